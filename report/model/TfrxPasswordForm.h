#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class QLineEdit;

// The modal dialog that asks for the password of a protected template.
class TfrxPasswordForm : public QDialog {
    Q_OBJECT
public:
    explicit TfrxPasswordForm(QWidget* parent = nullptr);

    QString GetPassword() const;

private:
    QLineEdit* FPasswordE;
};

// Asks for a template's password: the typed text, or none when the dialog was cancelled. The
// dialog appears only where a widget application runs; elsewhere the question counts as
// cancelled. Tests and hosts may put their own prompt in place; the previous one is returned.
using TfrxPasswordPrompt = std::function<std::optional<QString>()>;
TfrxPasswordPrompt frxSetPasswordPrompt(TfrxPasswordPrompt prompt);
std::optional<QString> frxAskPassword();
