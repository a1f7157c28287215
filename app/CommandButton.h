#pragma once

#include <QPushButton>

// A tall command button with its icon above a word-wrapped caption.
class CommandButton : public QPushButton {
public:
    // iconTop: distance of the icon from the top edge; negative centres icon and caption together.
    CommandButton(const QString& caption, const QIcon& icon, int iconTop, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int FIconTop;
};
