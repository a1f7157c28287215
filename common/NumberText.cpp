#include "common/NumberText.h"

#include "common/Exception.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// A decimal number held as its digits, so that rounding happens on what was typed.
struct Decimal {
    bool negative = false;
    std::string digits;   // without leading zeros; empty means zero
    long long exponent = 0; // value = 0.digits × 10^exponent
};

std::optional<Decimal> parseDecimal(const QString& text, QChar separator)
{
    const QString s = text.trimmed();
    qsizetype i = 0;
    Decimal d;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        d.negative = s[i] == u'-';
        ++i;
    }
    std::string intPart, fracPart;
    while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128)
        intPart += char(s[i++].unicode());
    if (i < s.size() && s[i] == separator) {
        ++i;
        while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128)
            fracPart += char(s[i++].unicode());
    }
    if (intPart.empty() && fracPart.empty())
        return std::nullopt;
    long long exp10 = 0;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        ++i;
        bool expNegative = false;
        if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
            expNegative = s[i] == u'-';
            ++i;
        }
        const qsizetype start = i;
        while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
            if (exp10 < 100000)
                exp10 = exp10 * 10 + (s[i].unicode() - '0');
            ++i;
        }
        if (i == start)
            return std::nullopt;
        if (expNegative)
            exp10 = -exp10;
    }
    if (i != s.size())
        return std::nullopt;

    std::string all = intPart + fracPart;
    long long exponent = static_cast<long long>(intPart.size()) + exp10;
    const size_t firstNonZero = all.find_first_not_of('0');
    if (firstNonZero == std::string::npos)
        all.clear();
    else {
        exponent -= static_cast<long long>(firstNonZero);
        all.erase(0, firstNonZero);
        all.erase(all.find_last_not_of('0') + 1);
    }
    d.digits = all;
    d.exponent = all.empty() ? 0 : exponent;
    return d;
}

std::optional<double> toDouble(const Decimal& d)
{
    if (d.digits.empty())
        return d.negative ? -0.0 : 0.0;
    const std::string text = (d.negative ? "-0." : "0.") + d.digits + "e" + std::to_string(d.exponent);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

Decimal decimalOf(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    return *parseDecimal(QString::fromLatin1(buffer, result.ptr - buffer), u'.');
}

// Rounds to one decimal, halves away from zero, and writes "0.#".
QString formatRounded(Decimal d, QChar separator)
{
    // Keep the digits down to the first decimal place, deciding the rest by its first digit.
    const long long keep = d.exponent + 1;
    std::string kept;
    bool roundUp = false;
    if (keep >= 0) {
        kept = d.digits.substr(0, static_cast<size_t>(std::min<long long>(keep, d.digits.size())));
        kept.append(static_cast<size_t>(std::max<long long>(0, keep - (long long)d.digits.size())), '0');
        roundUp = keep < (long long)d.digits.size() && d.digits[static_cast<size_t>(keep)] >= '5';
    }
    // kept holds the number × 10 as an integer digit string (possibly empty = 0).
    if (roundUp) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[i] == '9')
            kept[i--] = '0';
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[i];
    }
    if (kept.empty())
        kept = "0";
    const char tenth = kept.back();
    std::string integer = kept.substr(0, kept.size() - 1);
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    if (integer.empty())
        integer = "0";
    const bool isZero = integer == "0" && tenth == '0';
    QString out = QString::fromLatin1(integer);
    if (tenth != '0')
        out += QString(separator) + QChar(tenth);
    if (d.negative && !isZero)
        out.prepend(u'-');
    return out;
}

} // namespace

QString invalidFloatMessage(const QString& text)
{
    return formatMessage(QStringLiteral("'%s' is not a valid floating point value"), text);
}

std::optional<double> tryParseFloat(const QString& text, QChar decimalSeparator)
{
    const auto d = parseDecimal(text, decimalSeparator);
    return d ? toDouble(*d) : std::nullopt;
}

double parseFloat(const QString& text, QChar decimalSeparator)
{
    const auto value = tryParseFloat(text, decimalSeparator);
    if (!value)
        throw Exception(invalidFloatMessage(text));
    return *value;
}

QString formatOneDecimalText(const QString& text, QChar decimalSeparator)
{
    const auto d = parseDecimal(text, decimalSeparator);
    if (!d || !toDouble(*d))
        throw Exception(invalidFloatMessage(text));
    return formatRounded(*d, decimalSeparator);
}

QString formatOneDecimal(double value, QChar decimalSeparator)
{
    return formatRounded(decimalOf(value), decimalSeparator);
}

QString formatGeneral(double value, QChar decimalSeparator)
{
    if (value == 0)
        return QStringLiteral("0");
    char buffer[64];
    // 15 significant digits, then the shortest of them.
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    QString text = QString::fromLatin1(buffer);
    const qsizetype e = text.indexOf(u'e');
    if (e >= 0) {
        const int exponent = text.mid(e + 1).toInt();
        text = text.left(e) + u'E' + QString::number(exponent);
    }
    text.replace(u'.', decimalSeparator);
    return text;
}
