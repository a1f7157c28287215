#include "app/CertificateFile.h"

#include "app/ShortDate.h"
#include "app/profile/PrivateProfile.h"
#include "common/NumberText.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QLocale>

namespace {

const QString kLeftSection = QStringLiteral("Слева");
const QString kTableSection = QStringLiteral("Таблица");
const QString kReadError = QStringLiteral("Ошибка при чтении!");
const QString kTotalReadError = QStringLiteral("Ошибка!");

QString key(const char* prefix, int n)
{
    return QLatin1String(prefix) + QString::number(n);
}

void setChoice(QComboBox* choice, int index)
{
    choice->setCurrentIndex(index >= 0 && index < choice->count() ? index : -1);
}

QDate readDate(const PrivateProfile& file, int n)
{
    const QString text = file.readString(kLeftSection, key("date", n), QString());
    return parseShortDate(text, QLocale()).value_or(QDate::currentDate());
}

} // namespace

int parseChoiceIndex(const QString& text)
{
    bool ok = false;
    int value = 0;
    if (text.size() > 2 && text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = text.mid(2).toInt(&ok, 16);
    else if (!text.isEmpty() && text.back().isDigit())
        value = text.toInt(&ok, 10);
    return ok ? value : -1;
}

QString readCertificate(const PrivateProfile& file, const CertificateControls& c)
{
    for (int n = 1; n <= 5; ++n)
        c.edits[n - 1]->setText(file.readString(kLeftSection, key("edit_", n), kReadError));
    const QString caption = file.readString(kLeftSection, key("edit_", 5), kReadError);
    for (int n = 6; n <= 10; ++n)
        c.edits[n - 1]->setText(file.readString(kLeftSection, key("edit_", n), kReadError));
    for (int n = 1; n <= 4; ++n)
        c.dates[n - 1]->setDate(readDate(file, n));
    for (int n = 1; n <= 10; ++n)
        c.hours[n - 1]->setText(file.readString(kTableSection, key("edt_", n), kReadError));
    c.total()->setText(file.readString(kTableSection, key("edt_", 11), kTotalReadError));
    for (int n = 1; n <= 10; ++n)
        setChoice(c.choices[n - 1], parseChoiceIndex(file.readString(kTableSection, key("cmb_", n), QStringLiteral("-1"))));
    setChoice(c.transmission, parseChoiceIndex(file.readString(kTableSection, QStringLiteral("cmb_kpp"), QStringLiteral("-1"))));
    return caption;
}

void writeCertificate(PrivateProfile& file, const CertificateControls& c)
{
    for (int n = 1; n <= 10; ++n)
        file.writeString(kLeftSection, key("edit_", n), c.edits[n - 1]->text());
    for (int n = 1; n <= 4; ++n)
        file.writeString(kLeftSection, key("date", n), formatShortDate(c.dates[n - 1]->date(), QLocale()));
    for (int n = 1; n <= 11; ++n)
        file.writeString(kTableSection, key("edt_", n), c.hours[n - 1]->text());
    for (int n = 1; n <= 10; ++n)
        file.writeString(kTableSection, key("cmb_", n), QString::number(c.choices[n - 1]->currentIndex()));
    file.writeString(kTableSection, QStringLiteral("cmb_kpp"), QString::number(c.transmission->currentIndex()));
}

double sumOfHours(const CertificateControls& c)
{
    const QChar separator = QLocale().decimalPoint().at(0);
    double total = 0;
    for (int n = 0; n < 10; ++n)
        total += parseFloat(c.hours[n]->text(), separator);
    return total;
}
