// The prepared-report loader on untrusted bytes: any .fp3 file opened in the preview. A file either
// loads or is rejected with an error that leaves the store empty; every page of what loads can be
// built and drawn, and what loads is written and read back with the same pages.

#include "tests/fuzz/FuzzCheck.h"

#include "common/Exception.h"
#include "report/engine/EngineRegistration.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/TfrxReport.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>

namespace {

// Enough to reach every kind of object on a page; the rest only repeats the work.
constexpr int kPagesDrawn = 4;

bool load(TfrxCustomPreviewPages& pages, const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        pages.LoadFromStream(buffer);
        return true;
    } catch (const Exception& error) {
        fuzzCheck(!error.message().isEmpty(), "a rejected file is reported with a message");
        return false;
    }
}

QByteArray save(TfrxCustomPreviewPages& pages)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    pages.SaveToStream(buffer);
    return bytes;
}

void drawPages(TfrxCustomPreviewPages& pages)
{
    QImage canvas(60, 85, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    for (int i = 0; i < std::min(pages.GetCount(), kPagesDrawn); ++i) {
        fuzzCheck(pages.GetPage(i) != nullptr, "every page of a loaded file builds");
        pages.DrawPage(i, painter, 0.1, 0.1, 0, 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // New pages ask the printer layer for the default paper, which needs a GUI application; with no
    // print server to reach it offers its virtual printer, whatever the machine has installed.
    qputenv("CUPS_SERVER", "/nonexistent/certprint-fuzz/cups.sock");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    frxRegisterEngine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TfrxReport report;
    report.GetEngineOptions()->SetNewSilentMode(simSilent);
    TfrxCustomPreviewPages& pages = *report.GetPreviewPages();
    if (!load(pages, fuzzBytes(data, size))) {
        fuzzCheck(pages.GetCount() == 0, "a rejected file leaves the store empty");
        return 0;
    }
    drawPages(pages);

    const QByteArray written = save(pages);
    TfrxReport reread;
    reread.GetEngineOptions()->SetNewSilentMode(simSilent);
    TfrxCustomPreviewPages& rereadPages = *reread.GetPreviewPages();
    fuzzCheck(load(rereadPages, written), "a written prepared report loads");
    fuzzCheck(rereadPages.GetCount() == pages.GetCount(), "a written prepared report keeps its pages");
    return 0;
}
