#pragma once

#include <QPixmap>
#include <QWidget>

// The entry area's background: the blank's picture at its natural size from the top-left corner,
// clipped to the area, never stretched.
class BlankArea : public QWidget {
public:
    explicit BlankArea(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap FBlank;
};
