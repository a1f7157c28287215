#include "report/script/TfrxReportScript.h"

#include "report/script/ScriptLimits.h"
#include "report/script/TfsObject.h"
#include "report/script/VariantOperators.h"

#include "report/model/resources/TfrxResources.h"

#include "common/Exception.h"

namespace {

const char* const kSystemVariables[] = {"Date",        "Time", "Page",  "Page#",    "TotalPages",
                                        "TotalPages#", "Line", "Line#", "CopyName#"};

const char kDivisionByZero[] = "Floating point division by zero";

QString aggregateName(const QString& text)
{
    return text.left(text.indexOf(u'(')).trimmed().toUpper();
}

bool isAggregate(const QString& name)
{
    for (const char* aggregate : {"SUM", "MIN", "MAX", "AVG", "COUNT"})
        if (name == QLatin1String(aggregate))
            return true;
    return false;
}

// Keeps count of nested Calc calls, so that an exceeded limit is reported once, by the outermost.
struct CalcDepth {
    explicit CalcDepth(int& depth) : FDepth(++depth) {}
    ~CalcDepth() { --FDepth; }
    int& FDepth;
};

} // namespace

TfrxReportScript::TfrxReportScript(TfrxScriptHost& host) : FHost(host)
{
    FScript.SetExtendedCharset(true);
}

bool TfrxReportScript::PrepareScript(const QList<TfrxScriptObject>& objects, const QStringList& scriptText,
                                     const QString& scriptLanguage)
{
    FExpressionCache.Clear();
    FExpressionCache.SetScriptLanguage(scriptLanguage);
    FExpressionCache.SetCaseSensitive(FHost.GetCaseSensitiveExpressions());
    FScript.ClearItems(this);
    FScript.SetAddedBy(this);
    for (const TfrxScriptObject& object : objects)
        FScript.AddObject(object.name, object.object);
    FValue = FScript.AddVariable(QStringLiteral("Value"), QStringLiteral("Variant"), TfsVariant::Null());
    FSelf = FScript.AddVariable(QStringLiteral("Self"), QStringLiteral("TfrxView"), TfsVariant::Null());
    AddHostFunctions();
    FScript.SetLines(scriptText);
    FScript.SetSyntaxType(scriptLanguage);
    const bool compiled = FScript.Compile();
    if (!compiled)
        FHost.AddError(
            formatMessage(formatMessage(frxGet(QStringLiteral("clScrError")), FScript.GetErrorPos()),
                          FScript.GetErrorMsg()));
    FScript.SetAddedBy(nullptr);
    return compiled;
}

void TfrxReportScript::AddHostFunctions()
{
    using Args = QList<TfsVariant>;
    FScript.AddMethod(QStringLiteral("function Get(Name: String): Variant"),
                      [this](Args& a) { return Get(a[0].ToString()); });
    FScript.AddMethod(QStringLiteral("procedure Set(Name: String; Value: Variant)"), [this](Args& a) {
        FHost.SetReportVariable(a[0].ToString(), a[1]);
        return TfsVariant();
    });
    FScript.AddMethod(
        QStringLiteral("macrofunction IIF(Expr: Boolean; TrueValue, FalseValue: Variant): Variant"),
        [this](Args& a) {
            try {
                const bool condition = variantEquals(Calc(a[0].ToString()), TfsVariant(true));
                return Calc(a[condition ? 1 : 2].ToString());
            } catch (const ScriptLimitError&) {
                throw;
            } catch (const Exception&) {
                return TfsVariant::Null(); // Calc has recorded the error
            }
        });
    for (const char* name : {"SUM", "AVG", "MIN", "MAX"}) {
        const QString function = QString::fromLatin1(name);
        FScript.AddMethod(
            QStringLiteral("macrofunction %1(Expr: Variant; Band: Variant = 0; Flags: Integer = 0): Variant")
                .arg(function),
            [this, function](Args& a) { return Aggregate(function, a, true); });
    }
    FScript.AddMethod(QStringLiteral("macrofunction COUNT(Band: Variant = 0; Flags: Integer = 0): Variant"),
                      [this](Args& a) { return Aggregate(QStringLiteral("COUNT"), a, false); });
}

TfsVariant TfrxReportScript::Aggregate(const QString& function, const QList<TfsVariant>& args,
                                       bool hasExpression)
{
    // Arguments left out arrive as their default values rather than as texts.
    const qsizetype first = hasExpression ? 1 : 0;
    const QString expression = hasExpression ? args[0].ToString() : QString();
    const QString band = args[first].IsString() ? args[first].ToString() : QString();
    const TfsVariant flags = args[first + 1].IsString() ? Calc(args[first + 1].ToString()) : args[first + 1];
    return FHost.GetAggregateValue(function, expression, band, static_cast<int>(flags.ToInt64()));
}

void TfrxReportScript::SetSelf(TfsObject* view)
{
    if (FSelf)
        FSelf->SetValue(TfsVariant::FromObject(view));
}

void TfrxReportScript::SetValue(const TfsVariant& value)
{
    if (FValue)
        FValue->SetValue(value);
}

TfsVariant TfrxReportScript::Calc(const QString& expression)
{
    return Evaluate(expression, cmReport);
}

TfsVariant TfrxReportScript::CalcInDesigner(const QString& expression)
{
    return Evaluate(expression, cmDesigner);
}

TfsVariant TfrxReportScript::Evaluate(const QString& expression, TfrxCalcMode mode)
{
    const CalcDepth depth(FCalcDepth);
    try {
        const NestingScope nesting;
        if (const auto value = FastLookup(expression))
            return *value;
        QString error;
        const TfsVariant value = FExpressionCache.Calc(expression, &FScript, error);
        return error.isEmpty() ? value : ReportError(error, mode);
    } catch (const ScriptLimitError& error) {
        if (FCalcDepth > 1)
            throw;
        return ReportError(error.message(), mode);
    }
}

TfsVariant TfrxReportScript::ReportError(const QString& text, TfrxCalcMode mode)
{
    if (mode == cmDesigner)
        throw Exception(frxGet(QStringLiteral("clErrorInExp")) + u' ' + text);
    if (text == QLatin1String(kDivisionByZero) && FHost.GetIgnoreDevByZero())
        return TfsVariant();
    const QString object = FHost.GetCurrentObjectName();
    const QString message = object.isEmpty() ? text : object + QStringLiteral(": ") + text;
    FHost.AddError(message);
    throw Exception(message);
}

std::optional<TfsVariant> TfrxReportScript::FastLookup(const QString& name)
{
    if (auto value = FHost.GetDataFieldValue(name))
        return value;
    for (const char* systemVariable : kSystemVariables) {
        const QString canonical = QString::fromLatin1(systemVariable);
        if (name.compare(canonical, Qt::CaseInsensitive) != 0)
            continue;
        if (canonical == QLatin1String("CopyName#"))
            return FHost.GetGlobalVariable(QStringLiteral("CopyName0")).value_or(TfsVariant::Null());
        return FHost.GetSystemVariable(canonical);
    }
    if (auto value = FHost.GetHostValue(name))
        return value;
    if (auto value = FHost.GetReportVariable(name)) {
        // A variable holds an expression unless its text has several lines. An empty text is
        // taken as it is: evaluating it could only fail.
        if (value->IsString()) {
            const QString text = value->ToString();
            if (!text.isEmpty() && !text.contains(u'\n') && !text.contains(u'\r'))
                return Calc(text);
        }
        return value;
    }
    if (auto value = FHost.GetGlobalVariable(name))
        return value;
    if (auto* variable = dynamic_cast<TfsVariable*>(FScript.FindLocal(name)))
        return variable->GetValue();
    return std::nullopt;
}

TfsVariant TfrxReportScript::Get(const QString& name)
{
    if (const auto value = FastLookup(name))
        return *value;
    if (isAggregate(aggregateName(name)))
        return Calc(name);
    FHost.AddError(frxGet(QStringLiteral("clUnknownVar")) + u' ' + name);
    return TfsVariant::Null();
}
