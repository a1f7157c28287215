#pragma once

#include "report/model/TfrxObjectRef.h"
#include "report/script/TfsObject.h"

#include <QStringList>

#include <QHash>
#include <QVariant>

#include <memory>
#include <vector>

class ScriptObjectAdapters;
class TfrxCustomEngine;
class TfrxReport;

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

// The report's engine as scripts see it ("Engine"): the state of the run and the operations that
// lay out bands or stop the run. It finds the engine through the report at each access, so a
// script reaching it outside a run sees the state of the last one.
class ScriptEngineAdapter : public TfsObject {
public:
    explicit ScriptEngineAdapter(TfrxReport& report) : FReport(report) {}

    QString GetClassName() const override { return QStringLiteral("TfrxEngine"); }
    bool InheritsFrom(const QString& className) const override;
    bool GetMember(const QString& name, QList<TfsVariant>& args, TfsVariant& result) override;
    bool SetMember(const QString& name, const QList<TfsVariant>& args, const TfsVariant& value) override;

private:
    TfrxCustomEngine& Engine() const;

    TfrxReport& FReport;
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
    // The one "Engine" object of the report; it outlives every preparation.
    ScriptEngineAdapter* GetEngine(TfrxReport& report);
    // The one "Outline" object of the report; none while the engine library is not registered.
    TfsObject* GetOutline(TfrxReport& report);

private:
    std::unique_ptr<ScriptEngineAdapter> FEngine;
    std::unique_ptr<TfsObject> FOutline;
    std::vector<std::unique_ptr<ScriptObjectAdapter>> FAdapters;
    QHash<QString, ScriptObjectAdapter*> FIndex; // by object address and path
};
