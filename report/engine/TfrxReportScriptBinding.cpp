#include "report/engine/TfrxReportScriptBinding.h"

#include "common/DateValue.h"
#include "common/Exception.h"
#include "report/model/TfrxReport.h"

#include <QDateTime>
#include <cmath>

TfrxVariables& frxGlobalVariables()
{
    static TfrxVariables variables;
    return variables;
}

TfsVariant frxVariantFromValue(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return TfsVariant::Null();
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return value.toLongLong();
    case QMetaType::Double:
    case QMetaType::Float:
        return value.toDouble();
    case QMetaType::QDate:
        return TfsVariant::FromDate(dateToValue(value.toDate()));
    case QMetaType::QDateTime:
        return TfsVariant::FromDate(dateTimeToValue(value.toDateTime()));
    default:
        return value.toString();
    }
}

QVariant frxValueFromVariant(const TfsVariant& value)
{
    if (value.IsNull() || value.IsEmpty())
        return QVariant();
    if (value.IsBoolean())
        return value.ToBoolean();
    if (value.IsInteger())
        return static_cast<qlonglong>(value.ToInt64());
    if (value.IsDouble())
        return value.ToDouble();
    if (value.IsDate())
        return valueToDateTime(value.ToDate());
    try {
        return VarToStr(value);
    } catch (const Exception&) {
        return QVariant(); // arrays, sets and objects have no value a memo could keep
    }
}

namespace {

std::optional<TfsVariant> variableValue(const TfrxVariables& variables, const QString& name)
{
    const TfrxVariable* variable = variables.Find(name);
    if (!variable)
        return std::nullopt;
    return frxVariantFromValue(variable->GetValue());
}

} // namespace

TfrxReportScriptBinding::TfrxReportScriptBinding(TfrxReport& report)
    : FReport(report), FScript(*this), FStartTime(dateTimeToValue(QDateTime::currentDateTime()))
{
}

bool TfrxReportScriptBinding::PrepareScript()
{
    FStartTime = dateTimeToValue(QDateTime::currentDateTime());
    return FScript.PrepareScript({}, FReport.GetScriptText(), FReport.GetScriptLanguage());
}

std::optional<TfsVariant> TfrxReportScriptBinding::GetDataFieldValue(const QString&)
{
    return std::nullopt; // the report's data sets are not reachable from expressions yet
}

TfsVariant TfrxReportScriptBinding::GetSystemVariable(const QString& name)
{
    if (name == QLatin1String("Date"))
        return TfsVariant::FromDate(std::floor(FStartTime));
    if (name == QLatin1String("Time"))
        return TfsVariant::FromDate(FStartTime - std::floor(FStartTime));
    if (name == QLatin1String("Page"))
        return FPage;
    if (name == QLatin1String("Page#"))
        return FPageIndex + 1;
    if (name == QLatin1String("TotalPages"))
        return FTotalPages;
    if (name == QLatin1String("TotalPages#"))
        return FEngineTotalPages;
    if (name == QLatin1String("Line"))
        return FLine;
    if (name == QLatin1String("Line#"))
        return FLineIndex;
    return TfsVariant::Null();
}

std::optional<TfsVariant> TfrxReportScriptBinding::GetHostValue(const QString&)
{
    return std::nullopt; // no OnGetValue handlers in this system
}

std::optional<TfsVariant> TfrxReportScriptBinding::GetReportVariable(const QString& name)
{
    return variableValue(FReport.GetVariables(), name);
}

std::optional<TfsVariant> TfrxReportScriptBinding::GetGlobalVariable(const QString& name)
{
    return variableValue(frxGlobalVariables(), name);
}

void TfrxReportScriptBinding::SetReportVariable(const QString& name, const TfsVariant& value)
{
    TfrxVariable* variable = FReport.GetVariables().Find(name);
    if (!variable) {
        variable = FReport.GetVariables().Add();
        variable->SetName(name);
    }
    variable->SetValue(frxValueFromVariant(value));
}

TfsVariant TfrxReportScriptBinding::GetAggregateValue(const QString&, const QString&, const QString&, int)
{
    return TfsVariant::Null(); // no bands to aggregate over
}

void TfrxReportScriptBinding::AddError(const QString& message)
{
    FReport.AddError(message);
}

bool TfrxReportScriptBinding::GetIgnoreDevByZero() const
{
    return FReport.GetEngineOptions()->GetIgnoreDevByZero();
}

bool TfrxReportScriptBinding::GetCaseSensitiveExpressions() const
{
    return false; // the report has no CaseSensitiveExpressions property yet
}
