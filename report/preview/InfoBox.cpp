#include "report/preview/InfoBox.h"

#include "report/model/resources/TfrxResources.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace {

void defaultInfoBox(const QString& text)
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QMessageBox::information(QApplication::activeWindow(), frxGet(QStringLiteral("mbInfo")), text);
        return;
    }
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

TfrxInfoBoxHandler& infoBoxHandler()
{
    static TfrxInfoBoxHandler handler = defaultInfoBox;
    return handler;
}

} // namespace

TfrxInfoBoxHandler frxSetInfoBoxHandler(TfrxInfoBoxHandler handler)
{
    return std::exchange(infoBoxHandler(), handler ? std::move(handler) : defaultInfoBox);
}

void frxInfoBox(const QString& Text)
{
    infoBoxHandler()(Text);
}
