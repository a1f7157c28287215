#include "report/model/ReportErrors.h"

#include "common/Exception.h"
#include "report/model/TfrxReport.h"
#include "report/model/resources/TfrxResources.h"

#include <QApplication>
#include <QMessageBox>

#include <algorithm>
#include <cstdio>

namespace {

void defaultErrorBox(const QString& text)
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QString shown = text;
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        QMessageBox::critical(QApplication::activeWindow(), frxGet(QStringLiteral("mbError")),
                              shown.trimmed());
        return;
    }
    std::fputs(text.toLocal8Bit().constData(), stderr);
}

TfrxErrorBoxHandler& errorBoxHandler()
{
    static TfrxErrorBoxHandler handler = defaultErrorBox;
    return handler;
}

} // namespace

void frxAddError(QStringList& errors, const QString& message)
{
    const auto lessIgnoringCase = [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    };
    const auto at = std::lower_bound(errors.begin(), errors.end(), message, lessIgnoringCase);
    if (at == errors.end() || at->compare(message, Qt::CaseInsensitive) != 0)
        errors.insert(at, message);
}

QString frxErrorListText(const QStringList& errors)
{
    QString text = frxGet(QStringLiteral("clErrors")) + QLatin1String("\r\n");
    for (const QString& error : errors)
        text += error + QLatin1String("\r\n");
    return text;
}

void frxShowErrors(const TfrxReport& report)
{
    const QString text = frxErrorListText(report.GetErrors());
    switch (report.GetEngineOptions()->GetNewSilentMode()) {
    case simMessageBoxes:
        frxErrorBox(text);
        break;
    case simSilent:
        break;
    case simReThrow:
        throw Exception(text);
    }
}

TfrxErrorBoxHandler frxSetErrorBoxHandler(TfrxErrorBoxHandler handler)
{
    return std::exchange(errorBoxHandler(), handler ? std::move(handler) : defaultErrorBox);
}

void frxErrorBox(const QString& Text)
{
    errorBoxHandler()(Text);
}
