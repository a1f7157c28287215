#pragma once

#include "report/script/TfsVariant.h"

#include <QString>
#include <optional>

// What the script engine needs of the report it serves. The report implements it; the engine
// (TfrxReportScript) decides the order in which names are looked up.
class TfrxScriptHost {
public:
    virtual ~TfrxScriptHost() = default;

    // A data-set field reference ("DataSet.Field", resolved by the report's data sets): the field's
    // value, nulls converted as EngineOptions.ConvertNulls says; nothing when Name is not one.
    virtual std::optional<TfsVariant> GetDataFieldValue(const QString& name) = 0;
    // The system variable Name, one of "Date", "Time", "Page", "Page#", "TotalPages",
    // "TotalPages#", "Line", "Line#" (spelt so whatever case the expression used).
    virtual TfsVariant GetSystemVariable(const QString& name) = 0;
    // The report's host handlers for values (OnGetValue, OnNewGetValue); nothing when none answers.
    virtual std::optional<TfsVariant> GetHostValue(const QString& name) = 0;
    // The Value of the first report variable, or process-wide global variable, whose Name equals
    // Name without regard to case; nothing when there is none.
    virtual std::optional<TfsVariant> GetReportVariable(const QString& name) = 0;
    virtual std::optional<TfsVariant> GetGlobalVariable(const QString& name) = 0;
    // Replaces the value of report variable Name, or appends a new variable.
    virtual void SetReportVariable(const QString& name, const TfsVariant& value) = 0;
    // An aggregate function ("SUM", "AVG", "MIN", "MAX", "COUNT") over a band: Expression and Band
    // as written in the call (Band empty when not given), Flags evaluated.
    virtual TfsVariant GetAggregateValue(const QString& function, const QString& expression,
                                         const QString& band, int flags) = 0;

    // Adds a message to the report's error list.
    virtual void AddError(const QString& message) = 0;
    // The name of the object being processed, which prefixes expression errors; empty for none.
    virtual QString GetCurrentObjectName() const = 0;
    // EngineOptions.IgnoreDevByZero and the report's CaseSensitiveExpressions.
    virtual bool GetIgnoreDevByZero() const = 0;
    virtual bool GetCaseSensitiveExpressions() const = 0;
};
