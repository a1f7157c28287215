#include "report/preview/TfrxSearchDialog.h"

#include "report/model/resources/TfrxResources.h"
#include "report/preview/DialogControls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using dialogControls::text;

QString& lastAcceptedText()
{
    static QString textToFind;
    return textToFind;
}

} // namespace

TfrxSearchDialog::TfrxSearchDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frxSearchDialog"));
    setWindowTitle(text("fdFind"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setFixedSize(293, 150);
    auto* label = new QLabel(text("fdTextToFind"), this);
    label->setObjectName(QStringLiteral("TextL"));
    label->setGeometry(8, 10, 277, 16);
    FTextE = new QLineEdit(lastAcceptedText(), this);
    FTextE->setObjectName(QStringLiteral("TextE"));
    FTextE->setGeometry(8, 28, 277, 21);
    FTextE->selectAll();
    auto* group = new QGroupBox(text("fdSearchOptions"), this);
    group->setObjectName(QStringLiteral("SearchOptionsGroup"));
    group->setGeometry(8, 56, 277, 56);
    FFromBeginningCB = new QCheckBox(text("fdFromBeginning"), group);
    FFromBeginningCB->setObjectName(QStringLiteral("TopCB"));
    FFromBeginningCB->setGeometry(10, 16, 260, 18);
    FCaseSensitiveCB = new QCheckBox(text("fdCaseSensitive"), group);
    FCaseSensitiveCB->setObjectName(QStringLiteral("CaseCB"));
    FCaseSensitiveCB->setGeometry(10, 34, 260, 18);
    auto* ok = new QPushButton(text("1"), this);
    ok->setObjectName(QStringLiteral("OkB"));
    ok->setGeometry(129, 118, 75, 25);
    ok->setDefault(true);
    auto* cancel = new QPushButton(text("2"), this);
    cancel->setObjectName(QStringLiteral("CancelB"));
    cancel->setGeometry(210, 118, 75, 25);
    connect(ok, &QPushButton::clicked, this, &TfrxSearchDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &TfrxSearchDialog::reject);
    FTextE->setFocus();
}

TfrxSearchDialog::~TfrxSearchDialog() = default;

QString TfrxSearchDialog::GetTextToFind() const
{
    return FTextE->text();
}

bool TfrxSearchDialog::GetSearchFromBeginning() const
{
    return FFromBeginningCB->isChecked();
}

bool TfrxSearchDialog::GetCaseSensitive() const
{
    return FCaseSensitiveCB->isChecked();
}

void TfrxSearchDialog::accept()
{
    lastAcceptedText() = FTextE->text();
    QDialog::accept();
}
