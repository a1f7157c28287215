#pragma once

#include <QLineEdit>

// A line edit that limits what the operator types, as the platform's edit control does: at most
// maxLength characters (0: no limit), optionally digits only. Unlike QLineEdit's own limit, a
// longer text put in by a command stays whole, so a value read from a file shows in full.
class LimitedLineEdit : public QLineEdit {
public:
    LimitedLineEdit(int maxLength, bool digitsOnly, QWidget* parent);

    int typingLimit() const { return FMaxLength; }

private:
    void limitEdit(const QString& edited);

    int FMaxLength;
    bool FDigitsOnly;
    QString FBefore;  // the text before the latest change
    QString FCurrent; // the text after it
};
