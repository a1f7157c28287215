#include "tools/reporttool/PrintCommands.h"

#include "common/Exception.h"
#include "report/model/ReportErrors.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/TfrxReport.h"
#include "report/preview/TfrxPrintJob.h"
#include "report/preview/printers/TfrxPrinters.h"

#include <cstdio>
#include <optional>

namespace {

constexpr int kMaxCopies = 1000;

void printError(const QString& message)
{
    std::fprintf(stderr, "%s\n", message.trimmed().toLocal8Bit().constData());
}

struct PrintRequest {
    QString input;
    QString output;
    QString pages;
    int copies = 1;
    bool collate = false;
    QString printer;
};

// Options that take a value, and flags; anything else is a file name.
std::optional<PrintRequest> parseArguments(const QStringList& arguments, bool toFile)
{
    PrintRequest request;
    QStringList files;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (toFile && argument == QLatin1String("--pages") && hasValue) {
            request.pages = arguments[++i];
        } else if (toFile && argument == QLatin1String("--copies") && hasValue) {
            bool ok = false;
            request.copies = arguments[++i].toInt(&ok);
            if (!ok || request.copies < 1 || request.copies > kMaxCopies)
                return std::nullopt;
        } else if (toFile && argument == QLatin1String("--collate")) {
            request.collate = true;
        } else if (!toFile && argument == QLatin1String("--printer") && hasValue) {
            request.printer = arguments[++i];
        } else if (argument.startsWith(QLatin1String("--"))) {
            return std::nullopt;
        } else {
            files << argument;
        }
    }
    if (files.size() != (toFile ? 2 : 1))
        return std::nullopt;
    request.input = files[0];
    if (toFile)
        request.output = files[1];
    return request;
}

// A prepared report is opened as it is; a template is prepared first.
bool loadPages(TfrxReport& report, const QString& input)
{
    TfrxCustomPreviewPages* pages = report.GetPreviewPages();
    if (!pages) {
        printError(QStringLiteral("no prepared pages in this build"));
        return false;
    }
    if (input.endsWith(QLatin1String(".fp3"), Qt::CaseInsensitive)) {
        pages->LoadFromFile(input, true);
        return true;
    }
    report.LoadFromFile(input, true);
    return report.PrepareReport(true);
}

int runJob(const PrintRequest& request, bool toFile)
{
    QStringList errors;
    const TfrxErrorBoxHandler previous =
        frxSetErrorBoxHandler([&errors](const QString& text) { errors.append(text); });
    TfrxReport report;
    report.SetShowProgress(false);
    report.GetEngineOptions()->SetNewSilentMode(simReThrow);
    bool printed = false;
    try {
        if (loadPages(report, request.input)) {
            TfrxPrintOptions& options = *report.GetPrintOptions();
            options.SetShowDialog(false);
            if (toFile) {
                options.SetPageNumbers(request.pages);
                options.SetCopies(request.copies);
                options.SetCollate(request.collate);
                printed = frxPrintToPdfFile(report, *report.GetPreviewPages(), request.output);
            } else {
                if (!request.printer.isEmpty())
                    options.SetPrinter(request.printer);
                printed = report.GetPreviewPages()->Print();
            }
        }
    } catch (const Exception& error) {
        errors.append(error.message());
    }
    frxSetErrorBoxHandler(previous);
    for (const QString& error : errors)
        printError(error);
    return printed && errors.isEmpty() ? 0 : 1;
}

} // namespace

int runPdf(const QStringList& arguments)
{
    const auto request = parseArguments(arguments, true);
    if (!request) {
        printError(QStringLiteral("usage: reporttool pdf IN.fr3|IN.fp3 OUT.pdf [--pages RANGE] [--copies N] "
                                  "[--collate] (1 <= N <= 1000)"));
        return 2;
    }
    return runJob(*request, true);
}

int runPrint(const QStringList& arguments)
{
    const auto request = parseArguments(arguments, false);
    if (!request) {
        printError(QStringLiteral("usage: reporttool print IN.fr3|IN.fp3 [--printer NAME]"));
        return 2;
    }
    // The job would quietly keep the current printer for a name it does not know; asked for by name
    // on the command line, that printer is what the caller wants or nothing.
    if (!request->printer.isEmpty() && frxPrinters()->IndexOf(request->printer) < 0) {
        printError(QStringLiteral("Printer not found: %1").arg(request->printer));
        return 1;
    }
    return runJob(*request, false);
}
