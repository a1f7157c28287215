#pragma once

#include "report/script/TfrxExpressionCache.h"
#include "report/script/TfrxScriptHost.h"
#include "report/script/TfsScript.h"

#include <QList>
#include <QStringList>

class TfsObject;

// An object the report registers with its script under its name.
struct TfrxScriptObject {
    QString name;
    TfsObject* object = nullptr;
};

// The report's script and expression evaluation: preparing the report script, Calc with the fast
// lookup of plain names and the expression cache, and the host functions Get, Set, IIF and the
// aggregates. The report owns one and answers its questions through TfrxScriptHost.
//
// Memo text expansion evaluates each bracketed expression with Calc and shows it with VarToStr
// (or formats it with FormatRoutines); the engine sets "Self" and "Value" with SetSelf and
// SetValue, runs the main block with GetScript().Execute() when GetScript().GetStatementCount()
// is not 0, and calls event handlers with GetScript().CallFunction. Class names that scripts use
// as types ("Sender: TfrxComponent") are registered once with GetScript().AddClass.
class TfrxReportScript {
public:
    explicit TfrxReportScript(TfrxScriptHost& host);
    TfrxReportScript(const TfrxReportScript&) = delete;
    TfrxReportScript& operator=(const TfrxReportScript&) = delete;

    TfsScript& GetScript() { return FScript; }
    TfrxExpressionCache& GetExpressionCache() { return FExpressionCache; }

    // Prepares the report script for a run: empties the expression cache, replaces every item the
    // report added before with Objects (every report object in depth-first order, then "Report",
    // "Engine" and "Outline"), the variables "Value" and "Self" and the host functions, and
    // compiles ScriptText. A compile error is added to the report's errors as "Script error at
    // line:column: message" and gives false.
    bool PrepareScript(const QList<TfrxScriptObject>& objects, const QStringList& scriptText,
                       const QString& scriptLanguage);

    // The value of Expression: a plain name answered by the fast lookup, else the compiled
    // expression. An error is prefixed with the current object's name and ": ", added to the
    // report's errors and raised; a division by zero gives empty when IgnoreDevByZero is on.
    TfsVariant Calc(const QString& expression);
    // Calc for the designer: errors are raised with the prefix "Error in Calc expression: " and
    // not added to the report's errors.
    TfsVariant CalcInDesigner(const QString& expression);

    // The value of Name as the report sees it; an unknown name adds "Unknown variable or
    // datafield: Name" to the report's errors and gives null.
    TfsVariant Get(const QString& name);

    void SetSelf(TfsObject* view);
    void SetValue(const TfsVariant& value);

private:
    enum TfrxCalcMode { cmReport, cmDesigner };
    TfsVariant Evaluate(const QString& expression, TfrxCalcMode mode);
    TfsVariant ReportError(const QString& text, TfrxCalcMode mode);
    std::optional<TfsVariant> FastLookup(const QString& name);
    void AddHostFunctions();
    TfsVariant Aggregate(const QString& function, const QList<TfsVariant>& args, bool hasExpression);

    TfrxScriptHost& FHost;
    TfsScript FScript;
    TfrxExpressionCache FExpressionCache; // after FScript: its functions go first
    TfsVariable* FValue = nullptr;
    TfsVariable* FSelf = nullptr;
    int FCalcDepth = 0;
};
