#include "app/BlankArea.h"

#include <QPainter>

BlankArea::BlankArea(QWidget* parent) : QWidget(parent), FBlank(QStringLiteral(":/assets/blank.png")) {}

void BlankArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, FBlank);
}
