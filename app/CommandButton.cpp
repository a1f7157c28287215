#include "app/CommandButton.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace {
constexpr int kIconSize = 32;
constexpr int kSpacing = 4;
constexpr int kSideMargin = 4;
} // namespace

CommandButton::CommandButton(const QString& caption, const QIcon& icon, int iconTop, QWidget* parent)
    : QPushButton(caption, parent), FIconTop(iconTop)
{
    setIcon(icon);
    setIconSize(QSize(kIconSize, kIconSize));
}

void CommandButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);

    const QRect textArea(kSideMargin, 0, width() - 2 * kSideMargin, height());
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    const QRect textBounds = painter.fontMetrics().boundingRect(textArea, flags, text());
    const int blockHeight = kIconSize + kSpacing + textBounds.height();
    const int iconTop = FIconTop >= 0 ? FIconTop : (height() - blockHeight) / 2;
    const int shift = isDown() ? 1 : 0;

    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    icon().paint(&painter, QRect((width() - kIconSize) / 2 + shift, iconTop + shift, kIconSize, kIconSize),
                 Qt::AlignCenter, mode);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(textArea.translated(shift, iconTop + kIconSize + kSpacing + shift), flags, text());
}
