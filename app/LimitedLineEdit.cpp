#include "app/LimitedLineEdit.h"

#include <QSignalBlocker>
#include <algorithm>

namespace {
qsizetype countNonDigits(const QString& text)
{
    return std::count_if(text.begin(), text.end(), [](QChar c) { return !c.isDigit(); });
}
} // namespace

LimitedLineEdit::LimitedLineEdit(int maxLength, bool digitsOnly, QWidget* parent)
    : QLineEdit(parent), FMaxLength(maxLength), FDigitsOnly(digitsOnly)
{
    // textEdited comes only from the operator's typing and pasting, textChanged from every change.
    connect(this, &QLineEdit::textEdited, this, &LimitedLineEdit::limitEdit);
    // textChanged arrives first, so the text before an edit is the one before the latest change.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        FBefore = FCurrent;
        FCurrent = text;
    });
}

void LimitedLineEdit::limitEdit(const QString& edited)
{
    QString text = edited;
    int cursor = cursorPosition();
    if (FDigitsOnly && countNonDigits(text) > countNonDigits(FBefore)) {
        text = FBefore;
        cursor = std::min<int>(cursor, text.size());
    } else if (FMaxLength > 0 && text.size() > FMaxLength && text.size() > FBefore.size()) {
        // Keep as much of what was just typed or pasted (it ends at the cursor) as still fits.
        const qsizetype excess = text.size() - std::max<qsizetype>(FMaxLength, FBefore.size());
        const qsizetype from = std::max<qsizetype>(0, cursor - excess);
        text.remove(from, cursor - from);
        cursor = static_cast<int>(from);
    }
    if (text != edited) {
        setText(text);
        setCursorPosition(cursor);
    }
}
