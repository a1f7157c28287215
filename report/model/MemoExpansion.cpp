#include "report/model/MemoExpansion.h"

#include "common/Exception.h"
#include "report/model/TfrxCustomMemoView.h"
#include "report/model/TfrxFormat.h"
#include "report/model/TfrxReportScriptBinding.h"
#include "report/script/FormatRoutines.h"
#include "report/script/VariantOperators.h"

#include <memory>

namespace {

// Positions are 1-based, as the scan below reads most naturally with them.
bool startsAt(const QString& text, const QString& part, int position)
{
    return QStringView(text).mid(position - 1).startsWith(part);
}

QChar charAt(const QString& text, int position)
{
    return text.at(position - 1);
}

struct Delimiters {
    QString open;
    QString close;
};

Delimiters splitDelimiters(const QString& delimiters)
{
    const qsizetype comma = delimiters.indexOf(u',');
    if (comma < 0)
        return {delimiters, QString()};
    return {delimiters.left(comma), delimiters.mid(comma + 1, 255)};
}

// "Expr #n%2,2f": the expression before " #" and a format made of what follows the "#". A format
// text holding ")" belongs to the expression itself, as in a call with a " #" argument.
struct InlineFormat {
    QString expression;
    std::unique_ptr<TfrxFormat> format; // none: the memo's own
};

TfrxFormatKind inlineFormatKind(QChar letter)
{
    switch (letter.toLower().unicode()) {
    case 'n':
        return fkNumeric;
    case 'd':
    case 't':
        return fkDateTime;
    case 'b':
        return fkBoolean;
    default:
        return fkText;
    }
}

InlineFormat splitInlineFormat(const QString& expression)
{
    const qsizetype mark = expression.indexOf(QLatin1String(" #"));
    if (mark < 0)
        return {expression, nullptr};
    QString formatText = expression.mid(mark + 2);
    if (formatText.contains(u')'))
        return {expression, nullptr};
    auto format = std::make_unique<TfrxFormat>();
    format->SetKind(formatText.isEmpty() ? fkText : inlineFormatKind(formatText.at(0)));
    if (format->GetKind() == fkNumeric) {
        for (QChar& character : formatText) {
            if (character == u',' || character == u'-' || character == u'.') {
                format->SetDecimalSeparator(QString(character));
                character = u'.';
            }
        }
    }
    format->SetFormatStr(formatText.mid(1));
    return {expression.left(mark), std::move(format)};
}

bool equalsValue(const TfsVariant& value, const TfsVariant& other)
{
    try {
        return variantEquals(value, other);
    } catch (const Exception&) {
        return false;
    }
}

QString formatNumber(const TfsVariant& value, const TfrxFormat& format)
{
    const QString& pattern = format.GetFormatStr();
    QString text;
    if (pattern.contains(u'#') || pattern.startsWith(u'0'))
        text = FormatFloat(pattern, value.ToDouble());
    else if (pattern.contains(u'd') || pattern.contains(u'u'))
        text = Format(pattern, {TfsVariant(value.ToInt64())});
    else
        text = Format(pattern, {TfsVariant(value.ToDouble())});
    const QString& decimal = format.GetDecimalSeparator();
    if (decimal.size() == 1 && decimal.at(0) != localeDecimalSeparator()) {
        const qsizetype last = text.lastIndexOf(localeDecimalSeparator());
        if (last >= 0)
            text.replace(last, 1, decimal);
    }
    const QString& thousands = format.GetThousandSeparator();
    if (thousands.size() == 1 && thousands.at(0) != localeThousandSeparator())
        text.replace(localeThousandSeparator(), thousands.at(0));
    return text;
}

QString formatBoolean(const TfsVariant& value, const QString& pattern)
{
    const qsizetype comma = pattern.indexOf(u',');
    const QString falseText = comma < 0 ? pattern : pattern.left(comma);
    const QString trueText = comma < 0 ? QString() : pattern.mid(comma + 1, 255);
    return equalsValue(value, TfsVariant(true)) ? trueText : falseText;
}

QString replacementText(const TfrxCustomMemoView& memo, const QString& expression,
                        const TfrxFormat& memoFormat, TfrxReportScriptBinding& binding, TfsVariant& value)
{
    const InlineFormat split = splitInlineFormat(expression);
    const TfrxFormat& format = split.format ? *split.format : memoFormat;
    if (split.expression.compare(QLatin1String("TOTALPAGES#"), Qt::CaseInsensitive) == 0)
        value = QStringLiteral("[TotalPages#]");
    else if (split.expression.compare(QLatin1String("COPYNAME#"), Qt::CaseInsensitive) == 0)
        value = QStringLiteral("[CopyName#]");
    else
        value = binding.Calc(split.expression);
    if (memo.GetHideZeros() && !value.IsString() && equalsValue(value, TfsVariant(0)))
        return QString();
    return FormatData(value, format);
}

QString plainText(const TfsVariant& value)
{
    try {
        return VarToStr(value);
    } catch (const Exception&) {
        return QString();
    }
}

// Keeps the object name that prefixes expression errors for the memo's expansion only.
class CurrentObjectScope {
public:
    CurrentObjectScope(TfrxReportScriptBinding& binding, const QString& name)
        : FBinding(binding), FPrevious(binding.GetCurrentObjectName())
    {
        FBinding.SetCurrentObjectName(name);
    }
    ~CurrentObjectScope() { FBinding.SetCurrentObjectName(FPrevious); }
    CurrentObjectScope(const CurrentObjectScope&) = delete;
    CurrentObjectScope& operator=(const CurrentObjectScope&) = delete;

private:
    TfrxReportScriptBinding& FBinding;
    QString FPrevious;
};

// Replaces every occurrence of Macro, found ignoring letter case; true when there was one.
bool replaceMacro(QString& text, const QString& macro, const QString& value)
{
    if (!text.contains(macro, Qt::CaseInsensitive))
        return false;
    text.replace(macro, value, Qt::CaseInsensitive);
    return true;
}

bool isDataBound(const TfrxCustomMemoView& memo)
{
    return memo.GetDataSet() && !memo.GetDataField().isEmpty();
}

void expandBrackets(TfrxCustomMemoView& memo, TfrxReportScriptBinding& binding)
{
    const Delimiters delimiters = splitDelimiters(memo.GetExpressionDelimiters());
    const QString text = memo.GetMemo().join(QLatin1String("\r\n"));
    if (delimiters.open.isEmpty() || !text.contains(delimiters.open))
        return;
    const CurrentObjectScope scope(binding, memo.GetName());
    int formatIndex = 0;
    memo.SetText(
        frxExpandExpressions(text, delimiters.open, delimiters.close, [&](const QString& expression) {
            TfsVariant value;
            const QString replacement =
                replacementText(memo, expression, *memo.GetFormatItem(formatIndex), binding, value);
            memo.SetValue(frxValueFromVariant(value));
            if (formatIndex < memo.GetFormatCount() - 1)
                ++formatIndex;
            return replacement;
        }));
}

} // namespace

TfrxBracketedExpression frxFindExpression(const QString& text, const QString& openDelimiter,
                                          const QString& closeDelimiter, int start)
{
    TfrxBracketedExpression found{start, start, QString()};
    const int length = static_cast<int>(text.size());
    if (text.isEmpty() || start > length)
        return found;
    int& i = found.start;
    int& j = found.end;
    int nesting = 0;
    bool inSingleQuotes = false;
    bool inDoubleQuotes = false;
    j = i - 1;
    do {
        ++j;
        if (!inSingleQuotes && !inDoubleQuotes) {
            if (startsAt(text, openDelimiter, j)) {
                if (nesting == 0)
                    i = j;
                ++nesting;
            } else if (startsAt(text, closeDelimiter, j)) {
                --nesting;
            }
        }
        if (!inSingleQuotes && charAt(text, j) == u'"')
            inDoubleQuotes = !inDoubleQuotes;
        if (!inDoubleQuotes && charAt(text, j) == u'\'')
            inSingleQuotes = !inSingleQuotes;
    } while (nesting != 0 && j < length);
    const int openLength = static_cast<int>(openDelimiter.size());
    found.inner = text.mid(i + openLength - 1, std::max(0, j - i - openLength));
    if (i != j)
        j += static_cast<int>(closeDelimiter.size()) - 1;
    return found;
}

QString frxExpandExpressions(const QString& text, const QString& openDelimiter, const QString& closeDelimiter,
                             const std::function<QString(const QString& expression)>& replace)
{
    if (openDelimiter.isEmpty() || !text.contains(openDelimiter))
        return text;
    QString result = text;
    int i = 1;
    int j = 0;
    do {
        while (i < static_cast<int>(result.size()) && !startsAt(result, openDelimiter, i))
            ++i;
        const TfrxBracketedExpression found = frxFindExpression(result, openDelimiter, closeDelimiter, i);
        i = found.start;
        j = found.end;
        if (j != i) {
            const QString replacement = replace(found.inner);
            result.replace(i - 1, j - i + 1, replacement);
            i += static_cast<int>(replacement.size());
            j = 0;
        }
    } while (i != j);
    return result;
}

QString frxExpandText(const QString& text, TfrxReportScriptBinding& binding)
{
    return frxExpandExpressions(
        text, QStringLiteral("["), QStringLiteral("]"),
        [&](const QString& expression) { return plainText(binding.Calc(expression)); });
}

QString FormatData(const TfsVariant& value, const TfrxFormat& format)
{
    if (value.IsNull())
        return QString();
    try {
        switch (format.GetKind()) {
        case fkNumeric:
            return formatNumber(value, format);
        case fkDateTime:
            return FormatDateTime(format.GetFormatStr(), value.ToDate());
        case fkBoolean:
            return formatBoolean(value, format.GetFormatStr());
        case fkText:
            break;
        }
    } catch (const Exception&) {
        // a value the format cannot show is shown as it is
    }
    return plainText(value);
}

void ExpandMemoExpressions(TfrxCustomMemoView& memo, TfrxReportScriptBinding& binding)
{
    memo.GetDisplayFormat();
    if (memo.GetAllowExpressions() && !isDataBound(memo))
        expandBrackets(memo, binding);
    binding.GetReportScript().SetValue(frxVariantFromValue(memo.GetValue()));
}

void ExtractMacros(TfrxCustomMemoView& memo, int totalPages, int copyNo)
{
    if (!memo.GetAllowExpressions())
        return;
    QString text = memo.GetText();
    bool replaced = replaceMacro(text, QStringLiteral("[TOTALPAGES#]"), QString::number(totalPages));
    if (text.contains(QLatin1String("[COPYNAME#]"), Qt::CaseInsensitive)) {
        const TfrxVariable* copyName = frxGlobalVariables().Find(QStringLiteral("CopyName%1").arg(copyNo));
        replaced |= replaceMacro(text, QStringLiteral("[COPYNAME#]"),
                                 copyName ? copyName->GetValue().toString() : QString());
    }
    if (replaced)
        memo.SetText(text);
}
