#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

class TfrxComponent;

// The report-object classes that templates may name, by class name ignoring letter case.
class TfrxClassRegistry {
public:
    // Creates an object with the given owner (it becomes the owner's last child).
    using Factory = std::function<TfrxComponent*(TfrxComponent* AOwner)>;

    // Adds or replaces a class.
    void Register(const QString& className, Factory factory);
    template <class T> void Register()
    {
        Register(T().GetClassName(), [](TfrxComponent* AOwner) -> TfrxComponent* { return new T(AOwner); });
    }

    bool IsRegistered(const QString& className) const;
    // None for a class that is not registered.
    TfrxComponent* CreateObject(const QString& className, TfrxComponent* AOwner) const;
    // CreateObject with the new object in design mode (IsDesigning True).
    TfrxComponent* DesignCreate(const QString& className, TfrxComponent* AOwner) const;
    // The registered names as they were registered, sorted.
    QStringList GetClassNames() const;

private:
    struct Entry {
        QString name;
        Factory factory;
    };
    QHash<QString, Entry> FEntries; // keyed by the case-folded name
};

// The process-wide registry, created on first use with the report subsystem's own classes:
// TfrxReport, TfrxReportPage, TfrxDataPage, TfrxCustomMemoView, TfrxMemoView, TfrxPictureView.
TfrxClassRegistry& frxClassRegistry();
