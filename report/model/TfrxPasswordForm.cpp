#include "report/model/TfrxPasswordForm.h"

#include "report/model/resources/TfrxResources.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

std::optional<QString> defaultPasswordPrompt()
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return std::nullopt;
    TfrxPasswordForm form;
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.GetPassword();
}

TfrxPasswordPrompt& passwordPrompt()
{
    static TfrxPasswordPrompt prompt = defaultPasswordPrompt;
    return prompt;
}

} // namespace

TfrxPasswordForm::TfrxPasswordForm(QWidget* parent) : QDialog(parent), FPasswordE(new QLineEdit(this))
{
    setWindowTitle(frxGet(QStringLiteral("5000")));
    setFixedSize(252, 92);

    auto* picture = new QLabel(this);
    picture->setGeometry(8, 8, 43, 48);
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(43, 48));

    auto* prompt = new QLabel(frxGet(QStringLiteral("5001")), this);
    prompt->setGeometry(60, 8, 184, 16);
    FPasswordE->setGeometry(60, 26, 184, 21);
    FPasswordE->setEchoMode(QLineEdit::Password);

    auto* ok = new QPushButton(frxGet(QStringLiteral("1")), this);
    ok->setGeometry(88, 60, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(frxGet(QStringLiteral("2")), this);
    cancel->setGeometry(169, 60, 75, 25);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FPasswordE->setFocus();
}

QString TfrxPasswordForm::GetPassword() const
{
    return FPasswordE->text();
}

TfrxPasswordPrompt frxSetPasswordPrompt(TfrxPasswordPrompt prompt)
{
    return std::exchange(passwordPrompt(), prompt ? std::move(prompt) : defaultPasswordPrompt);
}

std::optional<QString> frxAskPassword()
{
    return passwordPrompt()();
}
