#pragma once

#include "report/script/TfrxScriptHost.h"
#include "report/script/TfsObject.h"
#include "report/script/TfsScript.h"

#include <QHash>
#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>

// Printing variants in failure messages.
void PrintTo(const TfsVariant& value, std::ostream* out);
void PrintTo(const QString& text, std::ostream* out);

// A report object with properties held in a table, a method Add(A, B) and a default property
// that reads and writes the property of the name given as index.
class FakeObject : public TfsObject {
public:
    explicit FakeObject(QString className, QStringList ancestors = {});
    QString GetClassName() const override { return FClassName; }
    bool InheritsFrom(const QString& className) const override;
    bool GetMember(const QString& name, QList<TfsVariant>& args, TfsVariant& result) override;
    bool SetMember(const QString& name, const QList<TfsVariant>& args, const TfsVariant& value) override;

    QHash<QString, TfsVariant> properties; // keys in lower case

private:
    QString FClassName;
    QStringList FAncestors;
};

// The report as the engine sees it, with everything it answers in plain tables.
class FakeHost : public TfrxScriptHost {
public:
    std::optional<TfsVariant> GetDataFieldValue(const QString& name) override;
    TfsVariant GetSystemVariable(const QString& name) override;
    std::optional<TfsVariant> GetHostValue(const QString&) override { return std::nullopt; }
    std::optional<TfsVariant> GetReportVariable(const QString& name) override;
    std::optional<TfsVariant> GetGlobalVariable(const QString& name) override;
    void SetReportVariable(const QString& name, const TfsVariant& value) override;
    TfsVariant GetAggregateValue(const QString& function, const QString& expression, const QString& band,
                                 int flags) override;
    void AddError(const QString& message) override;
    QString GetCurrentObjectName() const override { return currentObject; }
    bool GetIgnoreDevByZero() const override { return ignoreDevByZero; }
    bool GetCaseSensitiveExpressions() const override { return caseSensitive; }

    QHash<QString, TfsVariant> dataFields;      // "DataSet.Field"
    QHash<QString, TfsVariant> systemVariables; // canonical names
    QList<std::pair<QString, TfsVariant>> variables;
    QList<std::pair<QString, TfsVariant>> globals;
    QStringList errors; // sorted, each once, as the report keeps them
    QStringList aggregateCalls;
    QStringList systemVariableQueries;
    QString currentObject = QStringLiteral("Memo1");
    bool ignoreDevByZero = false;
    bool caseSensitive = false;
};

// A script whose host procedure Out(V) appends V's text to `output`.
struct OutputScript {
    OutputScript();
    // Compiles and runs Lines; returns the compile error ("line:column message") or "".
    QString Run(const QStringList& lines);

    TfsScript script;
    QStringList output;
};
