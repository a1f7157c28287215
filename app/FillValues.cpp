#include "app/FillValues.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

namespace {
// Latin letters, unlike the Cyrillic "Х" of the result lists: the blank's own convention.
const QString kZeroHoursMark = QStringLiteral("x");
const QString kTotalRowMark = QStringLiteral("X");
} // namespace

QString dayText(const QDate& date)
{
    return QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
}

QString monthText(const QDate& date)
{
    static const char* const names[] = {"января", "февраля", "марта", "апреля", "мая", "июня",
                                        "июля", "августа", "сентября", "октября", "ноября", "декабря"};
    return QString::fromUtf8(names[date.month() - 1]);
}

QString yearText(const QDate& date)
{
    return QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString fillValue(const FillMapEntry& entry, const CertificateControls& c)
{
    using S = FillMapEntry::Source;
    const int i = entry.index - 1;
    switch (entry.source) {
    case S::Edit:
        return c.edits[i]->text();
    case S::Day:
        return dayText(c.dates[i]->date());
    case S::Month:
        return monthText(c.dates[i]->date());
    case S::Year:
        return yearText(c.dates[i]->date());
    case S::Hours: {
        // The text decides, not the value: "0" is marked, "0,0" or "00" print as typed.
        const QString text = c.hours[i]->text();
        return text == QLatin1String("0") ? kZeroHoursMark : text;
    }
    case S::Total:
        return c.total()->text();
    case S::Choice:
        return c.choices[i]->currentText();
    case S::Transmission:
        return c.transmission->currentText();
    case S::TotalRowMark:
        return kTotalRowMark;
    case S::Category:
        return c.categoryLabels[0]->text();
    }
    return QString();
}
