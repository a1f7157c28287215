#include "report/model/PropertyText.h"

#include "common/Exception.h"
#include "common/NumberText.h"

#include <QLocale>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kSignificantDigits = 15;
constexpr int kSmallestFixedExponent = -5;

QString invalidValueMessage(const QString& text, const QString& typeName)
{
    return QStringLiteral("'%1' is not a valid %2 value").arg(text, typeName);
}

int textToInteger(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw Exception(formatMessage(QStringLiteral("'%s' is not a valid integer value"), text));
    return value;
}

// An identifier of the value names (ignoring letter case) or an ordinal among them.
int textToOrdinal(const QString& text, const TfrxPropertyInfo& property)
{
    const QStringList& names = property.GetValueNames();
    const QString trimmed = text.trimmed();
    for (qsizetype i = 0; i < names.size(); ++i)
        if (names[i].compare(trimmed, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    bool ok = false;
    const int ordinal = trimmed.toInt(&ok);
    if (!ok || ordinal < 0 || ordinal >= names.size())
        throw Exception(invalidValueMessage(text, property.GetTypeName()));
    return ordinal;
}

qulonglong textToSetBits(const QString& text, const TfrxPropertyInfo& property)
{
    bool ok = false;
    const qulonglong bits = text.trimmed().toULongLong(&ok);
    const qsizetype elements = property.GetValueNames().size();
    if (!ok || (elements < 64 && bits >> elements != 0))
        throw Exception(invalidValueMessage(text, property.GetTypeName()));
    return bits;
}

QString ordinalToText(const TfrxPropertyInfo& property, int ordinal)
{
    const QStringList& names = property.GetValueNames();
    return ordinal >= 0 && ordinal < names.size() ? names[ordinal] : QString::number(ordinal);
}

QChar userDecimalSeparator()
{
    return QLocale().decimalPoint().front();
}

} // namespace

QString floatToText(double value, QChar decimalSeparator)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0)
        return QStringLiteral("0");
    // One digit, a point, 14 digits and the exponent: the 15 significant digits, rounded once.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, std::fabs(value));
    QString digits = QString::fromLatin1(buffer, 1) + QString::fromLatin1(buffer + 2, kSignificantDigits - 1);
    const int exponent = std::atoi(buffer + kSignificantDigits + 2);
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);

    QString text;
    if (exponent < kSmallestFixedExponent || exponent >= kSignificantDigits) {
        text = digits.left(1);
        if (digits.size() > 1)
            text += decimalSeparator + digits.mid(1);
        text += u'E' + QString::number(exponent);
    } else if (exponent < 0) {
        text = u'0' + QString(decimalSeparator) + QString(-exponent - 1, u'0') + digits;
    } else {
        const qsizetype integerDigits = exponent + 1;
        if (digits.size() <= integerDigits)
            text = digits + QString(integerDigits - digits.size(), u'0');
        else
            text = digits.left(integerDigits) + decimalSeparator + digits.mid(integerDigits);
    }
    return value < 0 ? u'-' + text : text;
}

double textToFloat(const QString& text)
{
    QString normalized = text;
    normalized.remove(u' ');
    normalized.remove(QChar(0x00A0));
    normalized.replace(u',', u'.');
    const QString upper = normalized.toUpper();
    if (upper == QLatin1String("NAN"))
        return std::nan("");
    if (upper == QLatin1String("INF") || upper == QLatin1String("-INF"))
        return upper.startsWith(u'-') ? -HUGE_VAL : HUGE_VAL;
    const auto value = tryParseFloat(normalized, u'.');
    if (!value)
        throw Exception(invalidFloatMessage(text));
    return *value;
}

QString propertyValueToText(const TfrxPropertyInfo& property, const QVariant& value)
{
    switch (property.GetKind()) {
    case pkFloat:
        return floatToText(value.toDouble(), userDecimalSeparator());
    case pkBoolean:
    case pkEnum:
        return ordinalToText(property, value.toInt());
    case pkSet:
        return QString::number(value.toULongLong());
    case pkInteger:
    case pkColor:
        return QString::number(value.toInt());
    default:
        return value.toString();
    }
}

QVariant propertyValueFromText(const TfrxPropertyInfo& property, const QString& text)
{
    switch (property.GetKind()) {
    case pkFloat:
        return textToFloat(text);
    case pkBoolean:
    case pkEnum:
        return textToOrdinal(text, property);
    case pkSet:
        return textToSetBits(text, property);
    case pkInteger:
    case pkColor:
        return textToInteger(text);
    default:
        return text;
    }
}

QString joinLines(const QStringList& lines)
{
    return lines.join(QLatin1String("\r\n"));
}

QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype at = 0;
    const qsizetype length = text.size();
    while (at < length) {
        const qsizetype start = at;
        while (at < length && text[at] != u'\r' && text[at] != u'\n')
            ++at;
        lines.append(text.mid(start, at - start));
        if (at < length && text[at] == u'\r')
            ++at;
        if (at < length && text[at] == u'\n')
            ++at;
    }
    return lines;
}
