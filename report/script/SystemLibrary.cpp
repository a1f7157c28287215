#include "report/script/SystemLibrary.h"

#include "report/script/FormatRoutines.h"
#include "report/script/ScriptLimits.h"
#include "report/script/ScriptMessages.h"
#include "report/script/TfsScript.h"
#include "report/script/VariantOperators.h"

#include "common/Exception.h"
#include "common/NumberText.h"

#include <QDateTime>
#include <cmath>
#include <random>

namespace {

std::function<void(const QString&)>& showMessageHandler()
{
    static std::function<void(const QString&)> handler;
    return handler;
}

std::mt19937_64& randomGenerator()
{
    static std::mt19937_64 generator;
    return generator;
}

[[noreturn]] void invalidOperation()
{
    throw Exception(QStringLiteral("Invalid floating point operation"));
}

double finite(double value)
{
    if (std::isnan(value))
        invalidOperation();
    if (std::isinf(value))
        throw Exception(QStringLiteral("Floating point overflow"));
    return value;
}

int64_t truncated(double value)
{
    const double whole = std::trunc(value);
    if (!std::isfinite(whole) || whole < -9.2233720368547758e18 || whole >= 9.2233720368547758e18)
        invalidOperation();
    return static_cast<int64_t>(whole);
}

QString notValid(const QString& text, const char* what)
{
    return QStringLiteral("'%1' is not a valid %2").arg(text, QLatin1String(what));
}

template <typename T> T parsed(std::optional<T> value, const QString& text, const char* what)
{
    if (!value)
        throw Exception(notValid(text, what));
    return *value;
}

// Trimming as the platform does it: every character up to the blank counts as space.
QString trimmed(const QString& text)
{
    qsizetype start = 0, end = text.size();
    while (start < end && text[start].unicode() <= u' ')
        ++start;
    while (end > start && text[end - 1].unicode() <= u' ')
        --end;
    return text.mid(start, end - start);
}

QString nameCase(const QString& text)
{
    QString out = text.toLower();
    bool wordStart = true;
    for (QChar& c : out) {
        if (wordStart && c.isLetter())
            c = c.toUpper();
        wordStart = !c.isLetterOrNumber() && c != u'\'';
    }
    return out;
}

QDateTime now()
{
    return QDateTime::currentDateTime();
}

TfsVariant encodeDate(int64_t year, int64_t month, int64_t day)
{
    const bool inRange = year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= 31;
    const QDate date(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day));
    if (!inRange || !date.isValid())
        throw Exception(QStringLiteral("Invalid argument to date encode"));
    return TfsVariant::FromDate(dateToValue(date));
}

TfsVariant encodeTime(int64_t hour, int64_t minute, int64_t second, int64_t ms)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || ms < 0 || ms > 999)
        throw Exception(QStringLiteral("Invalid argument to time encode"));
    return TfsVariant::FromDate(((hour * 60 + minute) * 60 + second + ms / 1000.0) / 86400.0);
}

TfsVariant varArrayCreate(const TfsVariant& boundsList, int64_t varType)
{
    const QList<TfsVariant> bounds = variantToList(boundsList);
    if (bounds.isEmpty() || bounds.size() % 2 != 0)
        throw Exception(QStringLiteral("Variant array bounds must be pairs of low and high"));
    std::vector<TfsVariantArray::Bounds> dimensions;
    for (qsizetype i = 0; i < bounds.size(); i += 2)
        dimensions.push_back({bounds[i].ToInt64(), bounds[i + 1].ToInt64()});
    return createVariantArray(dimensions, baseTypeOfVarType(static_cast<int>(varType)));
}

void registerTypes(TfsScript& s)
{
    for (const char* name : {"Byte", "Word", "Integer", "Int64", "Longint", "Cardinal", "TColor"})
        s.AddType(QString::fromLatin1(name), btInteger);
    s.AddType(QStringLiteral("Boolean"), btBoolean);
    for (const char* name : {"Real", "Single", "Double", "Extended", "Currency"})
        s.AddType(QString::fromLatin1(name), btFloat);
    for (const char* name : {"TDate", "TTime", "TDateTime"})
        s.AddType(QString::fromLatin1(name), btDate);
    s.AddType(QStringLiteral("Char"), btString);
    s.AddType(QStringLiteral("String"), btString);
    for (const char* name : {"Variant", "Pointer", "Array"})
        s.AddType(QString::fromLatin1(name), btVariant);
}

void registerConstants(TfsScript& s)
{
    s.AddConst(QStringLiteral("True"), QStringLiteral("Boolean"), true);
    s.AddConst(QStringLiteral("False"), QStringLiteral("Boolean"), false);
    s.AddConst(QStringLiteral("nil"), QStringLiteral("Variant"), TfsVariant::Null());
    s.AddConst(QStringLiteral("Null"), QStringLiteral("Variant"), TfsVariant::Null());
    const std::pair<const char*, int> varTypes[] = {
        {"varEmpty", varEmpty},       {"varNull", varNull},         {"varSmallint", varSmallint},
        {"varInteger", varInteger},   {"varSingle", varSingle},     {"varDouble", varDouble},
        {"varCurrency", varCurrency}, {"varDate", varDate},         {"varOleStr", varOleStr},
        {"varDispatch", varDispatch}, {"varError", varError},       {"varBoolean", varBoolean},
        {"varVariant", varVariant},   {"varUnknown", varUnknown},   {"varShortInt", varShortInt},
        {"varByte", varByte},         {"varWord", varWord},         {"varLongWord", varLongWord},
        {"varInt64", varInt64},       {"varStrArg", varStrArg},     {"varString", varString},
        {"varAny", varAny},           {"varTypeMask", varTypeMask}, {"varArray", varArray},
        {"varByRef", varByRef}};
    for (const auto& [name, code] : varTypes)
        s.AddConst(QString::fromLatin1(name), QStringLiteral("Integer"), code);
}

using Args = QList<TfsVariant>;

void registerConversions(TfsScript& s)
{
    s.AddMethod("function IntToStr(i: Int64): String", [](Args& a) { return a[0].ToString(); });
    s.AddMethod("function FloatToStr(e: Extended): String",
                [](Args& a) { return FloatToStr(a[0].ToDouble()); });
    s.AddMethod("function DateToStr(e: TDateTime): String", [](Args& a) { return DateToStr(a[0].ToDate()); });
    s.AddMethod("function TimeToStr(e: TDateTime): String", [](Args& a) { return TimeToStr(a[0].ToDate()); });
    s.AddMethod("function DateTimeToStr(e: TDateTime): String",
                [](Args& a) { return DateTimeToStr(a[0].ToDate()); });
    s.AddMethod("function BoolToStr(B: Boolean): String", [](Args& a) { return a[0].ToString(); });
    s.AddMethod("function VarToStr(v: Variant): String", [](Args& a) { return VarToStr(a[0]); });
    s.AddMethod("function StrToInt(s: String): Integer", [](Args& a) {
        return parsed(tryStrToInt(a[0].ToString()), a[0].ToString(), "integer value");
    });
    s.AddMethod("function StrToInt64(s: String): Int64", [](Args& a) {
        return parsed(tryStrToInt(a[0].ToString()), a[0].ToString(), "integer value");
    });
    s.AddMethod("function StrToFloat(s: String): Extended",
                [](Args& a) { return parseFloat(a[0].ToString(), localeDecimalSeparator()); });
    s.AddMethod("function StrToDate(s: String): TDateTime", [](Args& a) {
        return TfsVariant::FromDate(parsed(tryStrToDate(a[0].ToString()), a[0].ToString(), "date"));
    });
    s.AddMethod("function StrToTime(s: String): TDateTime", [](Args& a) {
        return TfsVariant::FromDate(parsed(tryStrToTime(a[0].ToString()), a[0].ToString(), "time"));
    });
    s.AddMethod("function StrToDateTime(s: String): TDateTime", [](Args& a) {
        return TfsVariant::FromDate(
            parsed(tryStrToDateTime(a[0].ToString()), a[0].ToString(), "date and time"));
    });
    s.AddMethod("function StrToBool(s: String): Boolean", [](Args& a) {
        return parsed(tryStrToBool(a[0].ToString()), a[0].ToString(), "boolean value");
    });
    s.AddMethod("function ValidInt(cInt: String): Boolean",
                [](Args& a) { return tryStrToInt(a[0].ToString()).has_value(); });
    s.AddMethod("function ValidFloat(cFlt: String): Boolean",
                [](Args& a) { return tryStrToFloat(a[0].ToString()).has_value(); });
    s.AddMethod("function ValidDate(cDate: String): Boolean",
                [](Args& a) { return tryStrToDate(a[0].ToString()).has_value(); });
    s.AddMethod("function VarType(V: Variant): Integer",
                [](Args& a) { return static_cast<int>(a[0].GetVarType()); });
    s.AddMethod("function VarArrayCreate(Bounds: array of Integer; Typ: Integer): Variant",
                [](Args& a) { return varArrayCreate(a[0], a[1].ToInt64()); });
}

void registerFormatting(TfsScript& s)
{
    s.AddMethod("function Format(Fmt: String; Args: array of const): String",
                [](Args& a) { return Format(a[0].ToString(), variantToList(a[1])); });
    s.AddMethod("function FormatFloat(Fmt: String; Value: Extended): String",
                [](Args& a) { return FormatFloat(a[0].ToString(), a[1].ToDouble()); });
    s.AddMethod("function FormatDateTime(Fmt: String; DateTime: TDateTime): String",
                [](Args& a) { return FormatDateTime(a[0].ToString(), a[1].ToDate()); });
    s.AddMethod("function FormatMaskText(EditMask: String; Value: String): String",
                [](Args& a) { return FormatMaskText(a[0].ToString(), a[1].ToString()); });
}

void registerDates(TfsScript& s)
{
    s.AddMethod("function EncodeDate(Year, Month, Day: Word): TDateTime",
                [](Args& a) { return encodeDate(a[0].ToInt64(), a[1].ToInt64(), a[2].ToInt64()); });
    s.AddMethod("procedure DecodeDate(Date: TDateTime; var Year, Month, Day: Word)", [](Args& a) {
        const QDate date = checkedDateTime(a[0].ToDate()).date();
        a[1] = date.year();
        a[2] = date.month();
        a[3] = date.day();
        return TfsVariant();
    });
    s.AddMethod("function EncodeTime(Hour, Min, Sec, MSec: Word): TDateTime", [](Args& a) {
        return encodeTime(a[0].ToInt64(), a[1].ToInt64(), a[2].ToInt64(), a[3].ToInt64());
    });
    s.AddMethod("procedure DecodeTime(Time: TDateTime; var Hour, Min, Sec, MSec: Word)", [](Args& a) {
        const QTime time = checkedDateTime(a[0].ToDate()).time();
        a[1] = time.hour();
        a[2] = time.minute();
        a[3] = time.second();
        a[4] = time.msec();
        return TfsVariant();
    });
    s.AddMethod("function Date: TDateTime",
                [](Args&) { return TfsVariant::FromDate(dateToValue(now().date())); });
    s.AddMethod("function Time: TDateTime",
                [](Args&) { return TfsVariant::FromDate(now().time().msecsSinceStartOfDay() / 86400000.0); });
    s.AddMethod("function Now: TDateTime",
                [](Args&) { return TfsVariant::FromDate(dateTimeToValue(now())); });
    s.AddMethod("function DayOfWeek(aDate: TDateTime): Integer", [](Args& a) {
        return checkedDateTime(a[0].ToDate()).date().dayOfWeek() % 7 + 1;
    }); // 1 is Sunday
    s.AddMethod("function IsLeapYear(Year: Word): Boolean", [](Args& a) {
        const int64_t year = a[0].ToInt64();
        return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    });
    s.AddMethod("function DaysInMonth(nYear, nMonth: Integer): Integer", [](Args& a) {
        const int64_t year = a[0].ToInt64(), month = a[1].ToInt64();
        if (year < 1 || year > 9999 || month < 1 || month > 12)
            return 0;
        return QDate(static_cast<int>(year), static_cast<int>(month), 1).daysInMonth();
    });
}

void registerStrings(TfsScript& s)
{
    s.AddMethod("function Length(s: Variant): Integer", [](Args& a) -> TfsVariant {
        if (a[0].IsArray())
            return static_cast<int64_t>(a[0].ToArray().items.size());
        return a[0].ToString().size();
    });
    s.AddMethod("function Copy(s: String; from, count: Integer): String", [](Args& a) {
        const QString text = a[0].ToString();
        const int64_t from = std::max<int64_t>(a[1].ToInt64(), 1);
        const int64_t count = a[2].ToInt64();
        if (from > text.size() || count <= 0)
            return QString();
        return text.mid(static_cast<qsizetype>(from - 1),
                        static_cast<qsizetype>(std::min<int64_t>(count, text.size())));
    });
    s.AddMethod("function Pos(substr, s: String): Integer",
                [](Args& a) { return a[1].ToString().indexOf(a[0].ToString()) + 1; });
    const auto deleted = [](const QString& text, int64_t from, int64_t count) {
        if (from < 1 || from > text.size() || count <= 0)
            return text;
        QString out = text;
        out.remove(static_cast<qsizetype>(from - 1),
                   static_cast<qsizetype>(std::min<int64_t>(count, text.size())));
        return out;
    };
    s.AddMethod("procedure Delete(var s: String; from, count: Integer)", [deleted](Args& a) {
        a[0] = deleted(a[0].ToString(), a[1].ToInt64(), a[2].ToInt64());
        return TfsVariant();
    });
    s.AddMethod("function DeleteStr(s: String; from, count: Integer): String",
                [deleted](Args& a) { return deleted(a[0].ToString(), a[1].ToInt64(), a[2].ToInt64()); });
    s.AddMethod("procedure Insert(s: String; var s2: String; pos: Integer)", [](Args& a) {
        QString text = a[1].ToString();
        const QString inserted = a[0].ToString();
        chargeString(text.size() + inserted.size());
        const int64_t at = std::clamp<int64_t>(a[2].ToInt64(), 1, text.size() + 1);
        text.insert(static_cast<qsizetype>(at - 1), inserted);
        a[1] = text;
        return TfsVariant();
    });
    s.AddMethod("function Uppercase(s: String): String", [](Args& a) { return a[0].ToString().toUpper(); });
    s.AddMethod("function Lowercase(s: String): String", [](Args& a) { return a[0].ToString().toLower(); });
    s.AddMethod("function Trim(s: String): String", [](Args& a) { return trimmed(a[0].ToString()); });
    s.AddMethod("function NameCase(s: String): String", [](Args& a) { return nameCase(a[0].ToString()); });
    s.AddMethod("function CompareText(s, s1: String): Integer", [](Args& a) {
        return QString::compare(a[0].ToString(), a[1].ToString(), Qt::CaseInsensitive);
    });
    s.AddMethod("function Chr(i: Integer): Char", [](Args& a) {
        const int64_t code = a[0].ToInt64();
        if (code < 0 || code > 0x10FFFF)
            throw Exception(QStringLiteral("Range check error"));
        const auto ucs4 = static_cast<char32_t>(code);
        return QString::fromUcs4(&ucs4, 1);
    });
    s.AddMethod("function Ord(ch: Variant): Integer", [](Args& a) -> TfsVariant {
        if (a[0].IsBoolean())
            return a[0].ToBoolean() ? 1 : 0;
        if (a[0].IsString()) {
            const QList<uint> codes = a[0].ToString().toUcs4();
            if (codes.size() != 1)
                throw Exception(QString::fromLatin1(kSIncompatibleTypes));
            return static_cast<int64_t>(codes[0]);
        }
        return a[0].ToInt64();
    });
    s.AddMethod("procedure SetLength(var S: String; L: Integer)", [](Args& a) {
        const int64_t length = std::max<int64_t>(a[1].ToInt64(), 0);
        chargeString(static_cast<qsizetype>(std::min<int64_t>(length, kMaxStringLength + 1)));
        a[0] = a[0].ToString().leftJustified(static_cast<qsizetype>(length), u' ', true);
        return TfsVariant();
    });
    s.AddMethod("function ExtractFilePath(const FileName: String): String", [](Args& a) {
        const QString path = a[0].ToString();
        qsizetype last = -1;
        for (QChar separator : {u'\\', u'/', u':'})
            last = std::max(last, path.lastIndexOf(separator));
        return path.left(last + 1);
    });
}

void registerMath(TfsScript& s)
{
    s.AddMethod("function Round(e: Extended): Int64", [](Args& a) {
        // Halves go to the even neighbour, as the platform's Round does.
        return truncated(std::nearbyint(a[0].ToDouble()));
    });
    s.AddMethod("function Trunc(e: Extended): Int64", [](Args& a) { return truncated(a[0].ToDouble()); });
    s.AddMethod("function Int(e: Extended): Extended", [](Args& a) { return std::trunc(a[0].ToDouble()); });
    s.AddMethod("function Frac(X: Extended): Extended", [](Args& a) {
        const double x = a[0].ToDouble();
        return x - std::trunc(x);
    });
    s.AddMethod("function Sqrt(e: Extended): Extended",
                [](Args& a) { return finite(std::sqrt(a[0].ToDouble())); });
    s.AddMethod("function Abs(e: Variant): Variant", [](Args& a) -> TfsVariant {
        const TfsVariant& v = a[0];
        if (v.IsNull())
            return v;
        if (v.IsInteger() && v.ToInt64() != INT64_MIN)
            return std::abs(v.ToInt64());
        return std::fabs(v.ToDouble());
    });
    s.AddMethod("function Sin(e: Extended): Extended",
                [](Args& a) { return finite(std::sin(a[0].ToDouble())); });
    s.AddMethod("function Cos(e: Extended): Extended",
                [](Args& a) { return finite(std::cos(a[0].ToDouble())); });
    s.AddMethod("function ArcTan(X: Extended): Extended", [](Args& a) { return std::atan(a[0].ToDouble()); });
    s.AddMethod("function Tan(X: Extended): Extended",
                [](Args& a) { return finite(std::tan(a[0].ToDouble())); });
    s.AddMethod("function Exp(X: Extended): Extended",
                [](Args& a) { return finite(std::exp(a[0].ToDouble())); });
    s.AddMethod("function Ln(X: Extended): Extended", [](Args& a) {
        const double x = a[0].ToDouble();
        if (x <= 0)
            invalidOperation();
        return std::log(x);
    });
    s.AddMethod("function Pi: Extended", [](Args&) { return M_PI; });
    s.AddMethod("procedure Inc(var i: Variant; incr: Integer = 1)", [](Args& a) {
        a[0] = variantOperation(opAdd, a[0], a[1]);
        return TfsVariant();
    });
    s.AddMethod("procedure Dec(var i: Variant; decr: Integer = 1)", [](Args& a) {
        a[0] = variantOperation(opSubtract, a[0], a[1]);
        return TfsVariant();
    });
    s.AddMethod("procedure Randomize", [](Args&) {
        randomGenerator().seed(static_cast<uint64_t>(QDateTime::currentMSecsSinceEpoch()));
        return TfsVariant();
    });
    s.AddMethod("function Random: Extended",
                [](Args&) { return std::uniform_real_distribution<double>(0.0, 1.0)(randomGenerator()); });
}

void registerMessages(TfsScript& s)
{
    s.AddMethod("procedure RaiseException(Param: String)",
                [](Args& a) -> TfsVariant { throw Exception(a[0].ToString()); });
    s.AddMethod("procedure ShowMessage(Msg: Variant)", [](Args& a) {
        if (showMessageHandler())
            showMessageHandler()(VarToStr(a[0]));
        return TfsVariant();
    });
}

bool registerLibrary(TfsScript& library)
{
    registerTypes(library);
    registerConstants(library);
    registerConversions(library);
    registerFormatting(library);
    registerDates(library);
    registerStrings(library);
    registerMath(library);
    registerMessages(library);
    return true;
}

} // namespace

void setShowMessageHandler(std::function<void(const QString&)> handler)
{
    showMessageHandler() = std::move(handler);
}

TfsScript& fsGlobalUnit()
{
    static TfsScript library;
    static const bool registered =
        (library.FIsLibrary = true, library.SetAddedBy(TfsScript::LibraryOwner()), registerLibrary(library));
    (void)registered;
    return library;
}
