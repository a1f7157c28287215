#include "app/ShortDate.h"

#include <QRegularExpression>

namespace {

// The order of the day, month and year fields of a format such as "dd.MM.yyyy": 'd', 'M', 'y'.
QString fieldOrder(const QString& format)
{
    QString order;
    for (QChar c : format) {
        const QChar field = c == u'd' ? u'd' : c == u'M' ? u'M' : c == u'y' ? u'y' : QChar();
        if (!field.isNull() && !order.contains(field))
            order += field;
    }
    return order.size() == 3 ? order : QStringLiteral("dMy");
}

QChar separatorOf(const QString& format)
{
    for (QChar c : format)
        if (!c.isLetter())
            return c;
    return u'.';
}

int expandTwoDigitYear(int year)
{
    const int thisYear = QDate::currentDate().year();
    int full = thisYear - thisYear % 100 + year;
    if (full > thisYear + 50)
        full -= 100;
    else if (full <= thisYear - 50)
        full += 100;
    return full;
}

} // namespace

QString formatShortDate(const QDate& date, const QLocale& locale)
{
    return locale.toString(date, QLocale::ShortFormat);
}

std::optional<QDate> parseShortDate(const QString& text, const QLocale& locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const QStringList parts = text.trimmed().split(separatorOf(format));
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,4}$"));
    int day = 0, month = 0, year = QDate::currentDate().year();
    const QString order = fieldOrder(format);
    qsizetype next = 0;
    for (QChar field : order) {
        if (field == u'y' && parts.size() == 2)
            continue;
        const QString part = parts[next++].trimmed();
        if (!digits.match(part).hasMatch())
            return std::nullopt;
        const int value = part.toInt();
        if (field == u'd')
            day = value;
        else if (field == u'M')
            month = value;
        else
            year = part.size() <= 2 ? expandTwoDigitYear(value) : value;
    }
    const QDate date(year, month, day);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}
