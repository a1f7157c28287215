// The template loader on untrusted bytes: the .fr3 file beside the program, or any file opened in the
// designer. A load never raises with the errors shown silently; it leaves a report with its data page
// or, for a protected template nobody unlocked, an empty one. A template that loads without errors is
// written and read back until the serializer's own writing reads back to the very same template.

#include "ReportApplication.h"
#include "tests/fuzz/FuzzCheck.h"

#include "report/model/TfrxReport.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QLocale>
#include <memory>

namespace {

void load(TfrxReport& report, const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    report.LoadFromStream(buffer);
}

QByteArray save(TfrxReport& report)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    report.SaveToStream(buffer);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    startReportApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TfrxReport report;
    report.GetEngineOptions()->SetNewSilentMode(simSilent);
    load(report, fuzzBytes(data, size));
    fuzzCheck(report.GetPagesCount() > 0 || report.GetErrors().contains(QStringLiteral("Invalid password")),
              "a load leaves the data page");
    if (!report.GetErrors().isEmpty())
        return 0;

    // What a template stores need not be what it reads back to: a memo's style overrides the font
    // stored with the memo, and an empty font name is not stored at all. Written once more, though,
    // a template must stay as it is.
    QByteArray written = save(report);
    for (int round = 0; round < 2; ++round) {
        TfrxReport reread;
        reread.GetEngineOptions()->SetNewSilentMode(simSilent);
        load(reread, written);
        fuzzCheck(reread.GetErrors().isEmpty(), "a written template loads without errors");
        const QByteArray rewritten = save(reread);
        if (round == 1)
            fuzzCheckSame(written, rewritten, "a template written twice reads back the same");
        written = rewritten;
    }
    return 0;
}
