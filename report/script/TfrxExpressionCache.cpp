#include "report/script/TfrxExpressionCache.h"

#include "report/script/ScriptLimits.h"

#include "report/model/resources/TfrxResources.h"

TfrxExpressionCache::TfrxExpressionCache()
{
    FScript.SetExtendedCharset(true);
}

void TfrxExpressionCache::Clear()
{
    FExpressions.clear();
    FScript.Clear();
}

QString TfrxExpressionCache::KeyOf(const QString& expression) const
{
    if (FCaseSensitive)
        return expression;
    QString key = expression;
    bool inString = false;
    for (QChar& c : key) {
        if (c == u'\'')
            inString = !inString;
        else if (!inString)
            c = c.toCaseFolded();
    }
    return key;
}

QString TfrxExpressionCache::ProgramText(const QString& expression, const QString& functionName) const
{
    if (FScriptLanguage == QLatin1String("C++Script"))
        return QStringLiteral("Variant ") + functionName + QStringLiteral("() { return ") + expression +
               QStringLiteral("; } {}");
    if (FScriptLanguage == QLatin1String("BasicScript"))
        return QStringLiteral("function ") + functionName + u'\n' + QStringLiteral("return ") + expression +
               u'\n' + QStringLiteral("end function");
    if (FScriptLanguage == QLatin1String("JScript"))
        return QStringLiteral("function ") + functionName + QStringLiteral("() { return ") + expression +
               QStringLiteral("; }");
    return QStringLiteral("function ") + functionName + QStringLiteral(": Variant; begin Result := ") +
           expression + QStringLiteral(" end; begin end.");
}

TfsVariant TfrxExpressionCache::Calc(const QString& expression, TfsScript* mainScript, QString& errorText)
{
    errorText.clear();
    FScript.SetParent(mainScript);
    const QString key = KeyOf(expression);
    TfsCustomVariable* function = FExpressions.value(key);
    if (!function) {
        const QString name = QStringLiteral("fr3f") + QString::number(FExpressions.size());
        FScript.SetLines({ProgramText(expression, name)});
        FScript.SetSyntaxType(FScriptLanguage);
        // A failed compile adds nothing to the script, so there is no half-made function to remove.
        if (!FScript.Compile()) {
            errorText = frxGet(QStringLiteral("clExprError")) + QStringLiteral(" '") + expression +
                        QStringLiteral("': ") + FScript.GetErrorMsg();
            return TfsVariant::Null();
        }
        // The program begins by declaring the function, so a successful compile always holds it.
        function = FScript.FindLocal(name);
        FExpressions.insert(key, function);
    }
    try {
        return function->GetValue();
    } catch (const ScriptLimitError&) {
        throw;
    } catch (const Exception& error) {
        errorText = error.message();
        return TfsVariant();
    }
}
