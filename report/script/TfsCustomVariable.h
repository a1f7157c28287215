#pragma once

#include "report/script/ScriptTypes.h"
#include "report/script/TfsVariant.h"

#include <QList>
#include <QString>
#include <optional>

// A named item of a script: a variable or constant, a type, a class, a procedure or function,
// a host function. Names compare without regard to case.
class TfsCustomVariable {
public:
    TfsCustomVariable(const QString& name, const QString& typeName);
    virtual ~TfsCustomVariable() = default;
    TfsCustomVariable(const TfsCustomVariable&) = delete;
    TfsCustomVariable& operator=(const TfsCustomVariable&) = delete;

    const QString& GetName() const { return FName; }
    const QString& GetTypeName() const { return FTypeName; }
    // The name folded for case-insensitive ordering and lookup.
    const QString& GetKey() const { return FKey; }
    // The owner recorded when the item was added (see TfsScript::SetAddedBy).
    const void* GetAddedBy() const { return FAddedBy; }
    void SetAddedBy(const void* owner) { FAddedBy = owner; }

    // The item's current value: a variable's value, a function's result (called without
    // arguments); empty for types and classes.
    virtual TfsVariant GetValue();
    // Throws "Left side cannot be assigned to" unless the item is a variable.
    virtual void SetValue(const TfsVariant& value);
    virtual bool IsAssignable() const { return false; }

    static QString KeyOf(const QString& name) { return name.toCaseFolded(); }

private:
    QString FName;
    QString FTypeName;
    QString FKey;
    const void* FAddedBy = nullptr;
};

// A variable or constant; an object registered with AddObject is a constant holding the object.
class TfsVariable : public TfsCustomVariable {
public:
    TfsVariable(const QString& name, const QString& typeName, const TfsTypeInfo& type,
                const TfsVariant& value, bool isConstant);

    TfsVariant GetValue() override { return FValue; }
    // Stores the value converted to the declared type.
    void SetValue(const TfsVariant& value) override;
    bool IsAssignable() const override { return !FIsConstant; }
    const TfsTypeInfo& GetType() const { return FType; }
    // The stored value for changing an element in place.
    TfsVariant& GetStorage() { return FValue; }

private:
    TfsTypeInfo FType;
    TfsVariant FValue;
    bool FIsConstant;
};

// A type name usable in declarations ("Integer", "String" …).
class TfsTypeVariable : public TfsCustomVariable {
public:
    TfsTypeVariable(const QString& name, TfsBaseType base);
    TfsBaseType GetBaseType() const { return FBaseType; }

private:
    TfsBaseType FBaseType;
};

// A class name of the host, for the "is" operator.
class TfsClassVariable : public TfsCustomVariable {
public:
    explicit TfsClassVariable(const QString& name);
};

// One parameter of a procedure or function.
struct TfsParameter {
    QString name;
    TfsTypeInfo type;
    bool isVar = false;
    std::optional<TfsVariant> defaultValue;
};

// A procedure or function: of the script, or implemented by the host.
class TfsCallable : public TfsCustomVariable {
public:
    TfsCallable(const QString& name, const QString& resultTypeName, QList<TfsParameter> parameters,
                bool isFunction);

    const QList<TfsParameter>& GetParameters() const { return FParameters; }
    bool IsFunction() const { return FIsFunction; }
    // A macrofunction receives its arguments as the unevaluated texts written in the call.
    virtual bool IsMacro() const { return false; }
    // The number of parameters without a default value.
    int GetRequiredCount() const;

    // Calls with Args in parameter order (missing ones take their defaults) and returns the
    // result (empty for a procedure); var parameters leave their new values in Args.
    virtual TfsVariant Call(QList<TfsVariant>& args) = 0;
    TfsVariant GetValue() override;

protected:
    // Throws "Not enough actual parameters" or "Too many actual parameters".
    void CheckArgumentCount(qsizetype count) const;

private:
    QList<TfsParameter> FParameters;
    bool FIsFunction;
};
