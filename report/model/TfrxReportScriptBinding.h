#pragma once

#include "report/model/ScriptObjectAdapter.h"
#include "report/model/TfrxReportCollections.h"
#include "report/script/TfrxReportScript.h"
#include "report/script/TfrxScriptHost.h"

class TfrxReport;

// The process-wide global report variables, shared by every report.
TfrxVariables& frxGlobalVariables();

// The script of one report (TfrxReport::GetScript), answering the engine's questions from that
// report: its objects by name, its variables, the system variables of the current run and its
// error list.
class TfrxReportScriptBinding : public TfrxScriptHost {
public:
    explicit TfrxReportScriptBinding(TfrxReport& report);

    TfrxReport& GetReport() const { return FReport; }
    TfrxReportScript& GetReportScript() { return FScript; }
    TfrxExpressionCache& GetExpressionCache() { return FScript.GetExpressionCache(); }

    // Registers every named object of the report (depth first, inherited ones left out) and the
    // report itself as "Report", compiles the report's ScriptText in its ScriptLanguage and
    // remembers the run's start as the value of Date and Time; false (with the error in the
    // report's errors) when it does not compile.
    bool PrepareScript();
    // The value of Expression; an error is prefixed with the current object's name, added to the
    // report's errors and raised.
    TfsVariant Calc(const QString& expression) { return FScript.Calc(expression); }

    // "Self" of the script: the view being output (none: null).
    void SetSelf(TfrxComponent* view);
    // The script's view of a report object.
    ScriptObjectAdapter* GetScriptObject(TfrxComponent& object) { return FAdapters.Get(object); }

    // The report's CurObject.
    void SetCurrentObjectName(const QString& name);
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
    QString GetCurrentObjectName() const override;
    bool GetIgnoreDevByZero() const override;
    bool GetCaseSensitiveExpressions() const override;

private:
    TfrxReport& FReport;
    ScriptObjectAdapters FAdapters; // before FScript: compiled code refers to the adapters
    TfrxReportScript FScript;
    TDateTime FStartTime;
    int FPage = 1;
    int FPageIndex = 0;
    int FTotalPages = 0;
    int FEngineTotalPages = 0;
    int FLine = 0;
    int FLineIndex = 0;
};
