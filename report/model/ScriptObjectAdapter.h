#pragma once

#include "report/model/TfrxObjectRef.h"
#include "report/script/TfsObject.h"

#include <QStringList>

#include <QHash>
#include <QVariant>

#include <memory>
#include <vector>

class ScriptObjectAdapters;

// Conversions between the model's property values and the script engine's.
TfsVariant frxVariantFromValue(const QVariant& value);
QVariant frxValueFromVariant(const TfsVariant& value);

// A report object, or an object it owns (its font, frame, an option group), as scripts see it:
// its published properties read and written through the property tables. The adapter holds the
// report object weakly and finds the owned object again at each access along the property names
// that lead to it, so a script that keeps an object after the template was reloaded gets an error
// instead of reaching freed memory.
class ScriptObjectAdapter : public TfsObject {
public:
    ScriptObjectAdapter(ScriptObjectAdapters& owner, TfrxComponent& root, QStringList path);

    TfrxComponent* GetRoot() const { return FRoot.Get(); }
    const QStringList& GetPath() const { return FPath; }
    // The object the adapter stands for; throws Exception once its report object is gone.
    TfrxPersistent& Resolve() const;

    QString GetClassName() const override { return FClassName; }
    bool InheritsFrom(const QString& className) const override;
    bool GetMember(const QString& name, QList<TfsVariant>& args, TfsVariant& result) override;
    bool SetMember(const QString& name, const QList<TfsVariant>& args, const TfsVariant& value) override;

private:
    ScriptObjectAdapters& FOwner;
    TfrxObjectRef<TfrxComponent> FRoot;
    QStringList FPath;
    QString FClassName;
};

// The class names of report objects that scripts may name (in "is" tests, as parameter types).
QStringList frxScriptClassNames();

// Hands out one adapter per report object and owned object, so that scripts comparing objects
// see the same object, and keeps every adapter it handed out alive until Retire.
class ScriptObjectAdapters {
public:
    // The adapter of Object's owned object reached along Path (none: the object itself).
    ScriptObjectAdapter* Get(TfrxComponent& object, const QStringList& path = {});
    // Forgets every adapter; they are destroyed with the returned list, which the caller keeps
    // while compiled code may still refer to them.
    std::vector<std::unique_ptr<ScriptObjectAdapter>> Retire();

private:
    std::vector<std::unique_ptr<ScriptObjectAdapter>> FAdapters;
    QHash<QString, ScriptObjectAdapter*> FIndex; // by object address and path
};
