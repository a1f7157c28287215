#include "report/preview/TfrxProgress.h"

#include "report/model/resources/TfrxResources.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace {
constexpr int kWidth = 271;
constexpr int kHeight = 101;
constexpr int kMessageWidth = 237;
} // namespace

TfrxProgress::TfrxProgress(bool ShowBar, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setFixedSize(kWidth, kHeight);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(rect());

    FMessage = new QLabel(panel);
    FMessage->setAlignment(Qt::AlignCenter);
    FMessage->setGeometry((kWidth - kMessageWidth) / 2, ShowBar ? 12 : 35, kMessageWidth, 16);
    FBar = new QProgressBar(panel);
    FBar->setGeometry((kWidth - kMessageWidth) / 2, 34, kMessageWidth, 16);
    FBar->setTextVisible(false);
    FBar->setVisible(ShowBar);

    FCancelB = new QPushButton(frxGet(QStringLiteral("2")), panel);
    FCancelB->setGeometry((kWidth - 75) / 2, 66, 75, 25);
    FCancelB->setShortcut(Qt::Key_Escape);
    connect(FCancelB, &QPushButton::clicked, this, &TfrxProgress::Cancel);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TfrxProgress::~TfrxProgress()
{
    EnableDisabledWindow();
}

void TfrxProgress::SetMessage(const QString& text)
{
    FMessage->setText(text);
}

void TfrxProgress::SetPosition(int value, int maximum)
{
    FBar->setMaximum(maximum);
    FBar->setValue(value);
}

void TfrxProgress::Cancel()
{
    FTerminated = true;
    emit cancelled();
}

void TfrxProgress::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    QWidget* active = QApplication::activeWindow();
    if (active && active != this && !FDisabledWindow) {
        FDisabledWindow = active;
        active->setEnabled(false);
    }
}

void TfrxProgress::hideEvent(QHideEvent* event)
{
    EnableDisabledWindow();
    QWidget::hideEvent(event);
}

void TfrxProgress::EnableDisabledWindow()
{
    if (FDisabledWindow)
        FDisabledWindow->setEnabled(true);
    FDisabledWindow = nullptr;
}

void TfrxProgress::mousePressEvent(QMouseEvent* event)
{
    FDragStart = event->globalPosition().toPoint() - pos();
    QWidget::mousePressEvent(event);
}

void TfrxProgress::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPosition().toPoint() - FDragStart);
    QWidget::mouseMoveEvent(event);
}
