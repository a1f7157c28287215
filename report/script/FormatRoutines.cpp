#include "report/script/FormatRoutines.h"

#include "report/script/ScriptLimits.h"
#include "report/script/TfsVariant.h"

#include "common/Exception.h"
#include "common/NumberText.h"

#include <QDateTime>
#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

// A decimal number held as its digits: value = 0.digits × 10^exponent; digits carry no leading
// or trailing zeros and are empty for zero.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal decimalOf(double magnitude)
{
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific).ptr;
    const std::string text(buffer, end);
    const size_t e = text.find('e');
    Decimal d;
    for (size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            d.digits += text[i];
    d.exponent = std::stoi(text.substr(e + 1)) + 1;
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    if (d.digits.empty() || d.digits == "0")
        d = Decimal{};
    return d;
}

// Keeps Keep leading digits, rounding the rest half away from zero.
void roundDigits(Decimal& d, long keep)
{
    if (keep < 0) {
        d = Decimal{};
        return;
    }
    if (keep >= static_cast<long>(d.digits.size()))
        return;
    const bool up = d.digits[static_cast<size_t>(keep)] >= '5';
    d.digits.resize(static_cast<size_t>(keep));
    if (up) {
        int i = static_cast<int>(d.digits.size()) - 1;
        while (i >= 0 && d.digits[i] == '9')
            d.digits[i--] = '0';
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        } else {
            ++d.digits[i];
        }
    }
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    if (d.digits.empty())
        d = Decimal{};
}

struct FixedParts {
    std::string integer;  // without leading zeros, empty for zero
    std::string fraction; // exactly the requested number of digits
    bool isZero = true;
};

FixedParts fixedParts(double magnitude, int decimals)
{
    Decimal d = decimalOf(magnitude);
    roundDigits(d, d.exponent + decimals);
    FixedParts parts;
    parts.isZero = d.digits.empty();
    for (int position = 0; position < d.exponent; ++position)
        parts.integer += position < static_cast<int>(d.digits.size()) ? d.digits[position] : '0';
    for (int position = d.exponent; position < d.exponent + decimals; ++position)
        parts.fraction +=
            position >= 0 && position < static_cast<int>(d.digits.size()) ? d.digits[position] : '0';
    return parts;
}

// Significant digits (exactly Count of them) and the power of ten of the first one.
struct ScientificParts {
    std::string digits;
    int exponent = 0;
};

ScientificParts scientificParts(double magnitude, int count)
{
    Decimal d = decimalOf(magnitude);
    roundDigits(d, count);
    ScientificParts parts;
    parts.digits = d.digits;
    parts.digits.resize(static_cast<size_t>(count), '0');
    parts.exponent = d.digits.empty() ? 0 : d.exponent - 1;
    return parts;
}

QString grouped(const std::string& integer, QChar separator)
{
    QString out;
    const int length = static_cast<int>(integer.size());
    for (int i = 0; i < length; ++i) {
        out += QChar(integer[i]);
        const int fromRight = length - 1 - i;
        if (fromRight > 0 && fromRight % 3 == 0)
            out += separator;
    }
    return out;
}

QString nonFinite(double value)
{
    return std::isnan(value) ? QStringLiteral("NAN")
           : value < 0       ? QStringLiteral("-INF")
                             : QStringLiteral("INF");
}

QString trimFraction(std::string fraction, int minimum)
{
    while (static_cast<int>(fraction.size()) > minimum && fraction.back() == '0')
        fraction.pop_back();
    return QString::fromStdString(fraction);
}

// ---- picture formats ----

struct PictureItem {
    enum Kind { Literal, IntegerDigit, Point, FractionDigit, Exponent } kind;
    QString text;    // literal text, or the exponent marker "E+" / "e-" …
    QChar digit;     // '0' or '#'
    int minimum = 0; // exponent digits
};

struct Picture {
    std::vector<PictureItem> items;
    bool thousands = false;
};

QStringList pictureSections(const QString& format)
{
    QStringList sections{QString()};
    QChar quote;
    for (QChar c : format) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u';') {
            sections.append(QString());
            continue;
        }
        sections.last() += c;
    }
    return sections;
}

Picture parsePicture(const QString& section)
{
    Picture picture;
    bool afterPoint = false;
    for (qsizetype i = 0; i < section.size(); ++i) {
        const QChar c = section[i];
        if (c == u'"' || c == u'\'') {
            const qsizetype close = section.indexOf(c, i + 1);
            const qsizetype end = close < 0 ? section.size() : close;
            picture.items.push_back({PictureItem::Literal, section.mid(i + 1, end - i - 1), QChar(), 0});
            i = end;
        } else if (c == u'0' || c == u'#') {
            picture.items.push_back(
                {afterPoint ? PictureItem::FractionDigit : PictureItem::IntegerDigit, QString(), c, 0});
        } else if (c == u'.') {
            if (!afterPoint)
                picture.items.push_back({PictureItem::Point, QString(), QChar(), 0});
            afterPoint = true;
        } else if (c == u',') {
            picture.thousands = true;
        } else if ((c == u'E' || c == u'e') && i + 1 < section.size() &&
                   (section[i + 1] == u'+' || section[i + 1] == u'-')) {
            int zeros = 0;
            qsizetype j = i + 2;
            while (j < section.size() && section[j] == u'0') {
                ++zeros;
                ++j;
            }
            picture.items.push_back({PictureItem::Exponent, section.mid(i, 2), QChar(), zeros});
            i = j - 1;
        } else {
            picture.items.push_back({PictureItem::Literal, QString(c), QChar(), 0});
        }
    }
    return picture;
}

int countItems(const Picture& picture, PictureItem::Kind kind)
{
    int count = 0;
    for (const PictureItem& item : picture.items)
        count += item.kind == kind;
    return count;
}

QString applyPicture(Picture picture, double magnitude, bool minus)
{
    if (countItems(picture, PictureItem::IntegerDigit) == 0) {
        // Integer digits still show, before the point, when the picture has no place for them.
        auto at = std::find_if(picture.items.begin(), picture.items.end(), [](const PictureItem& item) {
            return item.kind == PictureItem::Point || item.kind == PictureItem::FractionDigit;
        });
        picture.items.insert(at, {PictureItem::IntegerDigit, QString(), u'#', 0});
    }
    const int integerCount = countItems(picture, PictureItem::IntegerDigit);
    const int fractionCount = countItems(picture, PictureItem::FractionDigit);
    int minimumInteger = 0, minimumFraction = 0, index = 0;
    for (const PictureItem& item : picture.items) {
        if (item.kind == PictureItem::IntegerDigit && item.digit == u'0' && minimumInteger == 0)
            minimumInteger = integerCount - index;
        if (item.kind == PictureItem::IntegerDigit)
            ++index;
    }
    index = 0;
    for (const PictureItem& item : picture.items) {
        if (item.kind != PictureItem::FractionDigit)
            continue;
        ++index;
        if (item.digit == u'0')
            minimumFraction = index;
    }
    const auto exponentItem =
        std::find_if(picture.items.begin(), picture.items.end(),
                     [](const PictureItem& item) { return item.kind == PictureItem::Exponent; });
    std::string integer, fraction;
    int exponent = 0;
    bool isZero = true;
    if (exponentItem != picture.items.end()) {
        const ScientificParts parts = scientificParts(magnitude, integerCount + fractionCount);
        integer = parts.digits.substr(0, static_cast<size_t>(integerCount));
        fraction = parts.digits.substr(static_cast<size_t>(integerCount));
        exponent = parts.exponent - (integerCount - 1);
        isZero = parts.digits.find_first_not_of('0') == std::string::npos;
        integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    } else {
        const FixedParts parts = fixedParts(magnitude, fractionCount);
        integer = parts.integer;
        fraction = parts.fraction;
        isZero = parts.isZero;
    }
    if (static_cast<int>(integer.size()) < minimumInteger)
        integer.insert(0, static_cast<size_t>(minimumInteger) - integer.size(), '0');
    const QString shownFraction = trimFraction(fraction, minimumFraction);
    const QString digits =
        picture.thousands ? grouped(integer, localeThousandSeparator()) : QString::fromStdString(integer);

    QString out = minus && !isZero ? QStringLiteral("-") : QString();
    int integerIndex = 0, fractionIndex = 0;
    // The grouped digits are split among the integer placeholders from the right; the first
    // placeholder takes whatever does not fit.
    const auto digitPositions = [&]() {
        std::vector<qsizetype> starts; // start in Digits of each integer digit (skipping separators)
        for (qsizetype i = 0; i < digits.size(); ++i)
            if (digits[i].isDigit())
                starts.push_back(i);
        return starts;
    }();
    const int length = static_cast<int>(digitPositions.size());
    for (const PictureItem& item : picture.items) {
        switch (item.kind) {
        case PictureItem::Literal:
            out += item.text;
            break;
        case PictureItem::IntegerDigit: {
            const int slot = length - integerCount + integerIndex++;
            if (slot < 0)
                break;
            const qsizetype from = integerIndex == 1 ? 0 : digitPositions[static_cast<size_t>(slot)];
            const qsizetype to =
                slot + 1 < length ? digitPositions[static_cast<size_t>(slot) + 1] : digits.size();
            out += digits.mid(from, to - from);
            break;
        }
        case PictureItem::Point:
            if (!shownFraction.isEmpty())
                out += localeDecimalSeparator();
            break;
        case PictureItem::FractionDigit:
            if (fractionIndex < shownFraction.size())
                out += shownFraction[fractionIndex];
            ++fractionIndex;
            break;
        case PictureItem::Exponent: {
            out += item.text[0];
            if (exponent < 0)
                out += u'-';
            else if (item.text[1] == u'+')
                out += u'+';
            out += QString::number(std::abs(exponent)).rightJustified(item.minimum, u'0');
            break;
        }
        }
    }
    return out;
}

// ---- date and time ----

QChar dateSeparator()
{
    for (QChar c : QLocale().dateFormat(QLocale::ShortFormat))
        if (!c.isLetter())
            return c;
    return u'.';
}

QChar timeSeparator()
{
    for (QChar c : QLocale().timeFormat(QLocale::ShortFormat))
        if (!c.isLetter())
            return c;
    return u':';
}

// The locale's time with seconds, without the zone name its long format carries.
QString longTimeFormat()
{
    QString format = QLocale().timeFormat(QLocale::ShortFormat);
    if (!format.contains(u's')) {
        const qsizetype minutes = format.lastIndexOf(QLatin1String("mm"));
        format.insert(minutes < 0 ? format.size() : minutes + 2, timeSeparator() + QStringLiteral("ss"));
    }
    return format;
}

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, u'0');
}

qsizetype runLength(const QString& format, qsizetype at, QChar letter)
{
    qsizetype n = 0;
    while (at + n < format.size() && format[at + n].toLower() == letter)
        ++n;
    return n;
}

bool startsWithText(const QString& format, qsizetype at, QLatin1String text)
{
    return format.mid(at, text.size()).compare(text, Qt::CaseInsensitive) == 0;
}

struct DateTimeFormatter {
    QDateTime moment;
    bool twelveHour = false;
    QString out;

    void appendAmPm(const QString& format, qsizetype& i)
    {
        const bool pm = moment.time().hour() >= 12;
        if (startsWithText(format, i, QLatin1String("am/pm"))) {
            const QString text = pm ? QStringLiteral("pm") : QStringLiteral("am");
            out += format[i].isUpper() ? text.toUpper() : text;
            i += 5;
        } else if (startsWithText(format, i, QLatin1String("a/p"))) {
            const QString text = pm ? QStringLiteral("p") : QStringLiteral("a");
            out += format[i].isUpper() ? text.toUpper() : text;
            i += 3;
        } else {
            out += pm ? QLocale().pmText() : QLocale().amText();
            i += 4;
        }
    }

    int hour() const
    {
        const int h = moment.time().hour();
        return !twelveHour ? h : h % 12 == 0 ? 12 : h % 12;
    }
};

bool isAmPmAt(const QString& format, qsizetype i)
{
    return startsWithText(format, i, QLatin1String("am/pm")) ||
           startsWithText(format, i, QLatin1String("a/p")) ||
           startsWithText(format, i, QLatin1String("ampm"));
}

bool hasAmPm(const QString& format)
{
    for (qsizetype i = 0; i < format.size(); ++i)
        if (isAmPmAt(format, i))
            return true;
    return false;
}

std::optional<QDate> parseDate(const QString& text)
{
    const QString trimmed = text.trimmed();
    const QString separators = QString(dateSeparator()) + QStringLiteral("/.- ");
    QStringList numbers;
    qsizetype i = 0;
    while (i < trimmed.size()) {
        const qsizetype start = i;
        while (i < trimmed.size() && trimmed[i] >= u'0' && trimmed[i] <= u'9')
            ++i;
        if (i == start || i - start > 4)
            return std::nullopt;
        numbers.append(trimmed.mid(start, i - start));
        const qsizetype gap = i;
        while (i < trimmed.size() && separators.contains(trimmed[i]))
            ++i;
        const bool last = i == trimmed.size();
        if ((i == gap) != last)
            return std::nullopt; // numbers run together, or the text ends with a separator
    }
    if (numbers.size() < 2 || numbers.size() > 3)
        return std::nullopt;
    // The order of day, month and year follows the locale's short date format.
    const QString format = QLocale().dateFormat(QLocale::ShortFormat);
    QList<QPair<qsizetype, QChar>> order{
        {format.indexOf(u'd'), u'd'}, {format.indexOf(u'M'), u'M'}, {format.indexOf(u'y'), u'y'}};
    std::sort(order.begin(), order.end());
    const int currentYear = QDate::currentDate().year();
    int day = 0, month = 0, year = currentYear;
    qsizetype next = 0;
    for (const auto& field : order) {
        if (field.second == u'y' && numbers.size() == 2)
            continue;
        const QString& number = numbers[next++];
        if (field.second == u'd')
            day = number.toInt();
        else if (field.second == u'M')
            month = number.toInt();
        else if (number.size() <= 2) {
            // Two digits: the year in the century window that starts fifty years ago.
            const int windowStart = currentYear - 50;
            year = windowStart / 100 * 100 + number.toInt();
            if (year < windowStart)
                year += 100;
        } else
            year = number.toInt();
    }
    const QDate date(year, month, day);
    if (!date.isValid() || year < 1)
        return std::nullopt;
    return date;
}

std::optional<QTime> parseTime(const QString& text)
{
    QString rest = text.trimmed();
    int addHours = -1; // -1: no AM/PM marker
    for (const auto& [marker, add] : {std::pair{QStringLiteral("AM"), 0}, std::pair{QStringLiteral("PM"), 12},
                                      std::pair{QLocale().amText(), 0}, std::pair{QLocale().pmText(), 12}}) {
        if (!marker.isEmpty() && rest.endsWith(marker, Qt::CaseInsensitive)) {
            rest = rest.chopped(marker.size()).trimmed();
            addHours = add;
            break;
        }
    }
    QString milliseconds;
    const qsizetype dot = rest.indexOf(u'.');
    if (dot >= 0) {
        milliseconds = rest.mid(dot + 1);
        rest.truncate(dot);
    }
    const QStringList parts = rest.split(timeSeparator());
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    QList<int> values;
    for (const QString& part : parts) {
        bool ok = false;
        const int value = part.trimmed().toInt(&ok);
        if (!ok || part.trimmed().isEmpty() || value < 0)
            return std::nullopt;
        values.append(value);
    }
    int hour = values[0];
    if (addHours >= 0) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + addHours;
    }
    bool msOk = true;
    const int ms = milliseconds.isEmpty() ? 0 : milliseconds.toInt(&msOk);
    const QTime time(hour, values[1], values.size() > 2 ? values[2] : 0, ms);
    if (!msOk || !time.isValid() || (dot >= 0 && values.size() < 3))
        return std::nullopt;
    return time;
}

double timeFraction(const QTime& time)
{
    return time.msecsSinceStartOfDay() / 86400000.0;
}

// ---- printf-style formats ----

struct FormatSpec {
    bool leftJustify = false;
    int width = -1;
    int precision = -1;
    QChar conversion;
    QString text; // the specification as written, for messages
};

[[noreturn]] void invalidFormat(const QString& spec)
{
    throw Exception(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(spec));
}

QString formatInteger(const FormatSpec& spec, const TfsVariant& arg)
{
    if (!arg.IsInteger())
        invalidFormat(spec.text);
    const int64_t value = arg.ToInt64();
    const QChar c = spec.conversion.toLower();
    QString digits;
    bool negative = false;
    if (c == u'd') {
        negative = value < 0;
        digits = QString::number(value).remove(u'-');
    } else {
        // Unsigned and hexadecimal conversions show the bits of a 32-bit value when it fits one.
        const uint64_t bits = value >= INT32_MIN && value <= INT32_MAX ? static_cast<uint32_t>(value)
                                                                       : static_cast<uint64_t>(value);
        digits = c == u'u' ? QString::number(bits) : QString::number(bits, 16).toUpper();
    }
    if (spec.precision > digits.size())
        digits = digits.rightJustified(spec.precision, u'0');
    return negative ? u'-' + digits : digits;
}

QString exponentText(int exponent, int minimumDigits)
{
    return QString(exponent < 0 ? u'-' : u'+') +
           QString::number(std::abs(exponent)).rightJustified(minimumDigits, u'0');
}

QString formatFloatConversion(const FormatSpec& spec, const TfsVariant& arg)
{
    if (!arg.IsInteger() && !arg.IsDouble() && !arg.IsDate())
        invalidFormat(spec.text);
    const double value = arg.ToDouble();
    if (!std::isfinite(value))
        return nonFinite(value);
    const QChar c = spec.conversion.toLower();
    const QString minus = std::signbit(value) ? QStringLiteral("-") : QString();
    const double magnitude = std::fabs(value);
    if (c == u'e') {
        const int count = std::clamp(spec.precision < 0 ? 15 : spec.precision, 1, 18);
        const ScientificParts parts = scientificParts(magnitude, count);
        QString mantissa = QString(QChar(parts.digits[0]));
        if (count > 1)
            mantissa += localeDecimalSeparator() + QString::fromStdString(parts.digits.substr(1));
        return minus + mantissa + u'E' + exponentText(parts.exponent, 3);
    }
    if (c == u'g') {
        const int count = std::clamp(spec.precision < 0 ? 15 : spec.precision, 1, 18);
        const ScientificParts parts = scientificParts(magnitude, count);
        if (parts.exponent >= count || parts.exponent < -4) {
            QString mantissa = QString(QChar(parts.digits[0]));
            const QString rest = trimFraction(parts.digits.substr(1), 0);
            if (!rest.isEmpty())
                mantissa += localeDecimalSeparator() + rest;
            return minus + mantissa + u'E' + exponentText(parts.exponent, 3);
        }
        const FixedParts fixed = fixedParts(magnitude, std::max(0, count - 1 - parts.exponent));
        const QString fraction = trimFraction(fixed.fraction, 0);
        const QString integer =
            fixed.integer.empty() ? QStringLiteral("0") : QString::fromStdString(fixed.integer);
        return (fixed.isZero ? QString() : minus) + integer +
               (fraction.isEmpty() ? QString() : localeDecimalSeparator() + fraction);
    }
    // f and n
    const int decimals = spec.precision < 0 ? 2 : spec.precision;
    chargeString(decimals);
    const FixedParts fixed = fixedParts(magnitude, decimals);
    const std::string integer = fixed.integer.empty() ? "0" : fixed.integer;
    const QString integerText =
        c == u'n' ? grouped(integer, localeThousandSeparator()) : QString::fromStdString(integer);
    const QString fraction =
        decimals > 0 ? localeDecimalSeparator() + QString::fromStdString(fixed.fraction) : QString();
    return (fixed.isZero ? QString() : minus) + integerText + fraction;
}

} // namespace

QChar localeDecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? u'.' : point[0];
}

QChar localeThousandSeparator()
{
    const QString separator = QLocale().groupSeparator();
    return separator.isEmpty() ? u',' : separator[0];
}

QDateTime checkedDateTime(TDateTime value)
{
    // 1 January of the year 1 and 31 December 9999 as date values
    if (!(value > -693594 && value < 2958466))
        throw Exception(QStringLiteral("Invalid date value"));
    return valueToDateTime(value);
}

QString FloatToStr(double value)
{
    return std::isfinite(value) ? formatGeneral(value, localeDecimalSeparator()) : nonFinite(value);
}

QString DateToStr(TDateTime value)
{
    return QLocale().toString(checkedDateTime(value).date(), QLocale::ShortFormat);
}

QString TimeToStr(TDateTime value)
{
    return QLocale().toString(checkedDateTime(value).time(), longTimeFormat());
}

QString DateTimeToStr(TDateTime value)
{
    const double time = std::fabs(value - std::trunc(value));
    if (std::trunc(value) == 0 && time != 0)
        return TimeToStr(value);
    return time == 0 ? DateToStr(value) : DateToStr(value) + u' ' + TimeToStr(value);
}

std::optional<int64_t> tryStrToInt(const QString& text)
{
    QString s = text.trimmed();
    bool negative = false;
    if (s.startsWith(u'-') || s.startsWith(u'+')) {
        negative = s[0] == u'-';
        s.remove(0, 1);
    }
    int base = 10;
    if (s.startsWith(u'$')) {
        base = 16;
        s.remove(0, 1);
    } else if (s.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        s.remove(0, 2);
    }
    if (s.isEmpty() || s[0] == u'-' || s[0] == u'+' || s[0].isSpace())
        return std::nullopt;
    bool ok = false;
    const qulonglong magnitude = s.toULongLong(&ok, base);
    const qulonglong limit = negative ? 9223372036854775808ull : 9223372036854775807ull;
    if (!ok || magnitude > limit)
        return std::nullopt;
    return negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
}

std::optional<double> tryStrToFloat(const QString& text)
{
    return tryParseFloat(text, localeDecimalSeparator());
}

std::optional<TDateTime> tryStrToDate(const QString& text)
{
    const auto date = parseDate(text);
    return date ? std::optional<TDateTime>(dateToValue(*date)) : std::nullopt;
}

std::optional<TDateTime> tryStrToTime(const QString& text)
{
    const auto time = parseTime(text);
    return time ? std::optional<TDateTime>(timeFraction(*time)) : std::nullopt;
}

std::optional<TDateTime> tryStrToDateTime(const QString& text)
{
    const QString s = text.trimmed();
    const qsizetype colon = s.indexOf(timeSeparator());
    if (colon < 0)
        return tryStrToDate(s);
    const qsizetype blank = s.lastIndexOf(u' ', colon);
    if (blank < 0)
        return tryStrToTime(s);
    const auto date = parseDate(s.left(blank));
    const auto time = parseTime(s.mid(blank + 1));
    if (!date || !time)
        return std::nullopt;
    const double days = dateToValue(*date);
    return days >= 0 ? days + timeFraction(*time) : days - timeFraction(*time);
}

std::optional<bool> tryStrToBool(const QString& text)
{
    const QString s = text.trimmed();
    if (s.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (s.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto number = tryStrToFloat(s))
        return *number != 0;
    return std::nullopt;
}

QString FormatFloat(const QString& format, double value)
{
    if (format.isEmpty())
        return FloatToStr(value);
    if (!std::isfinite(value))
        return nonFinite(value);
    const QStringList sections = pictureSections(format);
    const auto usable = [&](qsizetype i) { return i < sections.size() && !sections[i].isEmpty(); };
    if (value == 0 && usable(2))
        return applyPicture(parsePicture(sections[2]), 0, false);
    if (value < 0 && usable(1))
        return applyPicture(parsePicture(sections[1]), -value, false);
    return applyPicture(parsePicture(sections[0]), std::fabs(value), value < 0);
}

QString FormatDateTime(const QString& format, TDateTime value)
{
    DateTimeFormatter f{checkedDateTime(value), hasAmPm(format), QString()};
    const QDate date = f.moment.date();
    const QTime time = f.moment.time();
    const QLocale locale;
    bool afterHour = false; // "m" right after an hour shows minutes
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        const QChar lower = c.toLower();
        const qsizetype n = runLength(format, i, lower);
        bool hourField = false;
        if (c == u'"' || c == u'\'') {
            const qsizetype close = format.indexOf(c, i + 1);
            const qsizetype end = close < 0 ? format.size() : close;
            f.out += format.mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (isAmPmAt(format, i)) {
            f.appendAmPm(format, i);
            continue;
        }
        qsizetype used = n;
        if (lower == u'c') {
            f.out += DateTimeToStr(value);
            used = 1;
        } else if (lower == u'd') {
            used = std::min<qsizetype>(n, 6);
            switch (used) {
            case 1:
                f.out += QString::number(date.day());
                break;
            case 2:
                f.out += twoDigits(date.day());
                break;
            case 3:
                f.out += locale.dayName(date.dayOfWeek(), QLocale::ShortFormat);
                break;
            case 4:
                f.out += locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
                break;
            case 5:
                f.out += locale.toString(date, QLocale::ShortFormat);
                break;
            default:
                f.out += locale.toString(date, QLocale::LongFormat);
                break;
            }
        } else if (lower == u'm') {
            used = std::min<qsizetype>(n, 4);
            if (afterHour && used <= 2)
                f.out += used == 1 ? QString::number(time.minute()) : twoDigits(time.minute());
            else if (used == 1)
                f.out += QString::number(date.month());
            else if (used == 2)
                f.out += twoDigits(date.month());
            else
                f.out += locale.standaloneMonthName(date.month(),
                                                    used == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
        } else if (lower == u'y') {
            f.out +=
                n <= 2 ? twoDigits(date.year() % 100) : QString::number(date.year()).rightJustified(4, u'0');
        } else if (lower == u'h') {
            used = std::min<qsizetype>(n, 2);
            f.out += used == 1 ? QString::number(f.hour()) : twoDigits(f.hour());
            hourField = true;
        } else if (lower == u'n') {
            used = std::min<qsizetype>(n, 2);
            f.out += used == 1 ? QString::number(time.minute()) : twoDigits(time.minute());
        } else if (lower == u's') {
            used = std::min<qsizetype>(n, 2);
            f.out += used == 1 ? QString::number(time.second()) : twoDigits(time.second());
        } else if (lower == u'z') {
            used = n >= 3 ? 3 : 1;
            f.out += used == 1 ? QString::number(time.msec())
                               : QString::number(time.msec()).rightJustified(3, u'0');
        } else if (lower == u't') {
            used = std::min<qsizetype>(n, 2);
            f.out +=
                locale.toString(time, used == 1 ? locale.timeFormat(QLocale::ShortFormat) : longTimeFormat());
        } else if (c == u'/') {
            f.out += dateSeparator();
            used = 1;
        } else if (c == u':') {
            f.out += timeSeparator();
            used = 1;
        } else {
            f.out += c;
            used = 1;
        }
        if (!c.isSpace() && c != u':')
            afterHour = hourField;
        i += used;
    }
    return f.out;
}

QString Format(const QString& format, const QList<TfsVariant>& args)
{
    QString out;
    qsizetype next = 0;
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] != u'%') {
            out += format[i];
            continue;
        }
        const qsizetype start = i++;
        if (i < format.size() && format[i] == u'%') {
            out += u'%';
            continue;
        }
        FormatSpec spec;
        const auto readNumber = [&]() -> int {
            if (i < format.size() && format[i] == u'*') {
                ++i;
                if (next >= args.size())
                    throw Exception(
                        QStringLiteral("No argument for format '%1'").arg(format.mid(start, i - start)));
                const TfsVariant& arg = args[next++];
                if (!arg.IsInteger())
                    invalidFormat(format.mid(start, i - start));
                return static_cast<int>(std::clamp<int64_t>(arg.ToInt64(), -1, kMaxStringLength + 1));
            }
            int value = -1;
            while (i < format.size() && format[i] >= u'0' && format[i] <= u'9')
                value = static_cast<int>(std::min<int64_t>(
                    int64_t{std::max(value, 0)} * 10 + (format[i++].unicode() - '0'), kMaxStringLength + 1));
            return value;
        };
        int number = readNumber();
        if (i < format.size() && format[i] == u':') {
            next = std::max(number, 0);
            ++i;
            number = -1;
        }
        if (number < 0 && i < format.size() && format[i] == u'-') {
            spec.leftJustify = true;
            ++i;
        }
        spec.width = number >= 0 ? number : readNumber();
        if (i < format.size() && format[i] == u'.') {
            ++i;
            spec.precision = std::max(readNumber(), 0);
        }
        if (i >= format.size())
            invalidFormat(format.mid(start));
        spec.conversion = format[i];
        spec.text = format.mid(start, i - start + 1);
        if (next >= args.size())
            throw Exception(QStringLiteral("No argument for format '%1'").arg(spec.text));
        const TfsVariant& arg = args[next++];
        QString text;
        switch (spec.conversion.toLower().unicode()) {
        case 'd':
        case 'u':
        case 'x':
            text = formatInteger(spec, arg);
            break;
        case 'e':
        case 'f':
        case 'g':
        case 'n':
            text = formatFloatConversion(spec, arg);
            break;
        case 's':
            if (arg.IsArray() || arg.IsSet() || arg.IsObject())
                invalidFormat(spec.text);
            text = VarToStr(arg);
            if (spec.precision >= 0)
                text.truncate(spec.precision);
            break;
        default:
            invalidFormat(spec.text);
        }
        chargeString(std::max<qsizetype>(text.size(), spec.width));
        out += spec.leftJustify ? text.leftJustified(spec.width) : text.rightJustified(spec.width);
        chargeString(out.size());
    }
    return out;
}

QString FormatMaskText(const QString& mask, const QString& value)
{
    const QStringList fields = mask.split(u';');
    const QString pattern = fields[0];
    const bool valueHasLiterals = fields.size() < 2 || fields[1].trimmed() != QLatin1String("0");
    const QChar blank = fields.size() > 2 && !fields[2].isEmpty() ? fields[2][0] : u'_';
    const QString placeholders = QStringLiteral("09#LlAaCc");
    enum { keepCase, upperCase, lowerCase } letterCase = keepCase;
    QString out;
    qsizetype v = 0;
    const auto literal = [&](QChar c) {
        out += c;
        if (valueHasLiterals && v < value.size() && value[v] == c)
            ++v;
    };
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'!') {
            continue;
        } else if (c == u'<' && i + 1 < pattern.size() && pattern[i + 1] == u'>') {
            letterCase = keepCase;
            ++i;
        } else if (c == u'>' || c == u'<') {
            letterCase = c == u'>' ? upperCase : lowerCase;
        } else if (c == u'\\' && i + 1 < pattern.size()) {
            literal(pattern[++i]);
        } else if (c == u':' || c == u'/') {
            literal(c == u':' ? timeSeparator() : dateSeparator());
        } else if (placeholders.contains(c)) {
            const QChar taken = v < value.size() ? value[v++] : blank;
            out += letterCase == upperCase   ? taken.toUpper()
                   : letterCase == lowerCase ? taken.toLower()
                                             : taken;
        } else {
            literal(c);
        }
    }
    return out;
}
