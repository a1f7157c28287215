#include "app/CommandLine.h"

#include "common/Exception.h"

namespace {

const QString kPdf = QStringLiteral("--pdf");
const QString kPrint = QStringLiteral("--print");
const QString kPrinter = QStringLiteral("--printer");

[[noreturn]] void usageError(const QString& problem)
{
    throw Exception(problem + u'\n' + headlessUsage());
}

// The argument that follows an option, which must not be another option.
QString valueAfter(const QStringList& arguments, qsizetype& at)
{
    const QString option = arguments.at(at);
    if (++at >= arguments.size() || arguments.at(at).startsWith(QLatin1String("--")))
        usageError(QStringLiteral("certprint: %1 needs a value").arg(option));
    return arguments.at(at);
}

} // namespace

QString headlessUsage()
{
    return QStringLiteral("usage: certprint --pdf OUT.pdf FILE.vod\n"
                          "       certprint --print FILE.vod [--printer NAME]");
}

std::optional<HeadlessRequest> parseHeadlessRequest(const QStringList& arguments)
{
    if (!arguments.contains(kPdf) && !arguments.contains(kPrint))
        return std::nullopt;
    HeadlessRequest request;
    bool print = false;
    bool printer = false;
    QStringList files;
    for (qsizetype at = 0; at < arguments.size(); ++at) {
        const QString& argument = arguments.at(at);
        if (argument == kPdf && request.pdfFile.isEmpty())
            request.pdfFile = valueAfter(arguments, at);
        else if (argument == kPrint && !print)
            print = true;
        else if (argument == kPrinter && !printer) {
            request.printerName = valueAfter(arguments, at);
            printer = true;
        } else if (argument.startsWith(QLatin1String("--")))
            usageError(QStringLiteral("certprint: unexpected option %1").arg(argument));
        else
            files << argument;
    }
    if (print == !request.pdfFile.isEmpty())
        usageError(QStringLiteral("certprint: give either --pdf or --print"));
    if (printer && !print)
        usageError(QStringLiteral("certprint: --printer goes with --print"));
    if (files.size() != 1)
        usageError(QStringLiteral("certprint: give one certificate file"));
    request.certificateFile = files.first();
    return request;
}
