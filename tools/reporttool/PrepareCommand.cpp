#include "tools/reporttool/PrepareCommand.h"

#include "common/Exception.h"
#include "report/model/ReportErrors.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/TfrxReport.h"

#include <cstdio>

namespace {

void printError(const QString& message)
{
    std::fprintf(stderr, "%s\n", message.trimmed().toLocal8Bit().constData());
}

} // namespace

int runPrepare(const QStringList& arguments)
{
    if (arguments.size() != 2) {
        printError(QStringLiteral("usage: reporttool prepare IN.fr3 OUT.fp3"));
        return 2;
    }
    frxSetErrorBoxHandler([](const QString&) {});
    TfrxReport report;
    try {
        report.GetEngineOptions()->SetNewSilentMode(simSilent);
        report.LoadFromFile(arguments[0], true);
        if (!report.GetErrors().isEmpty()) {
            for (const QString& error : report.GetErrors())
                printError(error);
            return 1;
        }
        report.GetEngineOptions()->SetNewSilentMode(simSilent);
        if (!report.PrepareReport(true)) {
            printError(frxErrorListText(report.GetErrors()));
            return 1;
        }
        report.GetPreviewPages()->SaveToFile(arguments[1]);
    } catch (const Exception& error) {
        printError(error.message());
        return 1;
    }
    return 0;
}
