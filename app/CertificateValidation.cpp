#include "app/CertificateValidation.h"

#include <QDateEdit>
#include <QLineEdit>

std::optional<QString> findMissingValue(const CertificateControls& c)
{
    // A text of blanks counts as filled in: only an empty text is missing.
    const auto empty = [&](int n) { return c.edits[n - 1]->text().isEmpty(); };
    const struct {
        bool missing;
        const char* message;
    } checks[] = {
        {empty(1), "Введите наименование организации!"},
        {empty(3), "Введите наименование населенного пункта!"},
        {empty(4), "Введите серию свидетельства!"},
        {empty(5), "Введите ФИО обучающегося!"},
        {empty(6), "Введите название образовательной программы!"},
        {empty(7), "Введите присвоенную квалификацию!"},
        {c.dates[0]->date() == c.dates[1]->date(), "Даты начала и окончания обучения совпадают!"},
        {empty(8), "Введите категорию ТС!"},
        {empty(9), "Введите ФИО руководителя образовательной организации!"},
        {empty(10), "Введите номер протокола!"},
    };
    for (const auto& check : checks)
        if (check.missing)
            return QString::fromUtf8(check.message);
    return std::nullopt;
}
