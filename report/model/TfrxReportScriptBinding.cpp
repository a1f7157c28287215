#include "report/model/TfrxReportScriptBinding.h"

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
    for (const QString& className : frxScriptClassNames())
        FScript.GetScript().AddClass(className);
}

bool TfrxReportScriptBinding::PrepareScript()
{
    FStartTime = dateTimeToValue(QDateTime::currentDateTime());
    // The items of the previous run still refer to the old adapters until PrepareScript replaces them.
    const auto retired = FAdapters.Retire();
    QList<TfrxScriptObject> objects;
    for (TfrxComponent* object : FReport.GetAllObjects())
        if (!object->GetName().isEmpty() && !object->GetIsAncestor())
            objects.append({object->GetName(), FAdapters.Get(*object)});
    objects.append({QStringLiteral("Report"), FAdapters.Get(FReport)});
    objects.append({QStringLiteral("Engine"), FAdapters.GetEngine(FReport)});
    if (TfsObject* outline = FAdapters.GetOutline(FReport))
        objects.append({QStringLiteral("Outline"), outline});
    return FScript.PrepareScript(objects, FReport.GetScriptText(), FReport.GetScriptLanguage());
}

void TfrxReportScriptBinding::SetSelf(TfrxComponent* view)
{
    FScript.SetSelf(view ? FAdapters.Get(*view) : nullptr);
}

void TfrxReportScriptBinding::SetCurrentObjectName(const QString& name)
{
    FReport.SetCurObject(name);
}

QString TfrxReportScriptBinding::GetCurrentObjectName() const
{
    return FReport.GetCurObject();
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
    return FReport.GetCaseSensitiveExpressions();
}
