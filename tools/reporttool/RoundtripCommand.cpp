#include "tools/reporttool/RoundtripCommand.h"

#include "common/Exception.h"
#include "report/model/ReportErrors.h"
#include "report/model/TfrxReport.h"

#include <cstdio>

namespace {

void printError(const QString& message)
{
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

} // namespace

int runRoundtrip(const QStringList& arguments)
{
    if (arguments.size() != 2) {
        printError(QStringLiteral("usage: reporttool roundtrip IN.fr3 OUT.fr3"));
        return 2;
    }
    // The messages are printed below, one a line, instead of as one box. The report's silent mode
    // stays as it is, since the saved template stores it.
    frxSetErrorBoxHandler([](const QString&) {});
    TfrxReport report;
    try {
        report.LoadFromFile(arguments[0], true);
        report.SaveToFile(arguments[1]);
    } catch (const Exception& error) {
        printError(error.message());
        return 1;
    }
    for (const QString& error : report.GetErrors())
        printError(error);
    return report.GetErrors().isEmpty() ? 0 : 1;
}
