#include "app/TAboutBox.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, QPoint at)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->move(at);
    label->adjustSize();
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    QFont boxFont(QStringLiteral("MS Sans Serif"));
    boxFont.setPixelSize(11);
    setFont(boxFont);
    setFixedSize(298, 213);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(8, 8, 281, 161);
    // A lowered outer and raised inner bevel reads as an etched groove.
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);

    auto* icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setGeometry(8, 8, 65, 66);
    const QPixmap picture(QStringLiteral(":/assets/icons/program.png"));
    icon->setPixmap(picture.scaled(icon->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon->setAlignment(Qt::AlignCenter);

    addLabel(panel, "ProductName", QStringLiteral("Программа печати свидетельства"), {88, 16});
    addLabel(panel, "Version", QStringLiteral("1.1"), {88, 40});
    addLabel(panel, "Copyright", QStringLiteral("ООО Компания \"Ровеста\""), {8, 80});
    addLabel(panel, "Comments", QStringLiteral("2019"), {8, 104});

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(111, 180, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::showEvent(QShowEvent* event)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    QDialog::showEvent(event);
}
