#pragma once

#include "report/model/TfrxReportCollections.h"
#include "report/script/TfrxReportScript.h"
#include "report/script/TfrxScriptHost.h"

#include <QVariant>

class TfrxReport;

// The process-wide global report variables, shared by every report.
TfrxVariables& frxGlobalVariables();

// Conversions between the model's values and the script engine's.
TfsVariant frxVariantFromValue(const QVariant& value);
QVariant frxValueFromVariant(const TfsVariant& value);

// The script of one report, answering the engine's questions from that report: its variables,
// the system variables of the current run and its error list. Until the report owns its script,
// whoever prepares or expands a report creates one of these beside it.
class TfrxReportScriptBinding : public TfrxScriptHost {
public:
    explicit TfrxReportScriptBinding(TfrxReport& report);

    TfrxReport& GetReport() const { return FReport; }
    TfrxReportScript& GetReportScript() { return FScript; }

    // Compiles the report's ScriptText in its ScriptLanguage and remembers the run's start as the
    // value of Date and Time; false (with the error in the report's errors) when it does not
    // compile.
    bool PrepareScript();
    // The value of Expression; an error is prefixed with the current object's name, added to the
    // report's errors and raised.
    TfsVariant Calc(const QString& expression) { return FScript.Calc(expression); }

    void SetCurrentObjectName(const QString& name) { FCurrentObjectName = name; }
    void SetPage(int value) { FPage = value; }
    void SetPageIndex(int value) { FPageIndex = value; }
    void SetTotalPages(int value) { FTotalPages = value; }
    void SetEngineTotalPages(int value) { FEngineTotalPages = value; }
    void SetLine(int value) { FLine = value; }
    void SetLineIndex(int value) { FLineIndex = value; }

    std::optional<TfsVariant> GetDataFieldValue(const QString& name) override;
    TfsVariant GetSystemVariable(const QString& name) override;
    std::optional<TfsVariant> GetHostValue(const QString& name) override;
    std::optional<TfsVariant> GetReportVariable(const QString& name) override;
    std::optional<TfsVariant> GetGlobalVariable(const QString& name) override;
    void SetReportVariable(const QString& name, const TfsVariant& value) override;
    TfsVariant GetAggregateValue(const QString& function, const QString& expression, const QString& band,
                                 int flags) override;
    void AddError(const QString& message) override;
    QString GetCurrentObjectName() const override { return FCurrentObjectName; }
    bool GetIgnoreDevByZero() const override;
    bool GetCaseSensitiveExpressions() const override;

private:
    TfrxReport& FReport;
    TfrxReportScript FScript;
    QString FCurrentObjectName;
    TDateTime FStartTime;
    int FPage = 1;
    int FPageIndex = 0;
    int FTotalPages = 0;
    int FEngineTotalPages = 0;
    int FLine = 0;
    int FLineIndex = 0;
};
