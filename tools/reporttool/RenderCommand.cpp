#include "tools/reporttool/RenderCommand.h"

#include "common/Exception.h"
#include "common/Rounding.h"
#include "report/engine/PictureDrawing.h"
#include "report/engine/ViewDrawing.h"
#include "report/model/ReportErrors.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"
#include "report/model/TfrxView.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

constexpr double kMaxDpi = 2400;

void printError(const QString& message)
{
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

struct RenderRequest {
    QString input;
    QString output;
    double dpi = kReportDpi;
    int page = 0; // 1-based; 0 when not given
};

bool isPreparedReport(const QString& fileName)
{
    return fileName.endsWith(QLatin1String(".fp3"), Qt::CaseInsensitive);
}

std::optional<RenderRequest> parseArguments(const QStringList& arguments)
{
    RenderRequest request;
    QStringList files;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--dpi") && i + 1 < arguments.size()) {
            bool ok = false;
            request.dpi = arguments[++i].toDouble(&ok);
            if (!ok || request.dpi <= 0 || request.dpi > kMaxDpi)
                return std::nullopt;
        } else if (arguments[i] == QLatin1String("--page") && i + 1 < arguments.size()) {
            bool ok = false;
            request.page = arguments[++i].toInt(&ok);
            if (!ok || request.page < 1)
                return std::nullopt;
        } else {
            files << arguments[i];
        }
    }
    if (files.size() != 2)
        return std::nullopt;
    request.input = files[0];
    request.output = files[1];
    // A template is drawn as it stands: it has one picture per page template, not numbered pages.
    if (request.page != 0 && !isPreparedReport(request.input))
        return std::nullopt;
    return request;
}

TfrxReportPage* firstReportPage(const TfrxReport& report)
{
    for (int i = 0; i < report.GetPagesCount(); ++i)
        if (auto* page = dynamic_cast<TfrxReportPage*>(report.GetPages(i)))
            return page;
    return nullptr;
}

QImage blankImage(const TfrxReportPage& page, double dpi)
{
    const QSize size(static_cast<int>(roundHalfEven(page.GetPaperWidth() / 25.4 * dpi)),
                     static_cast<int>(roundHalfEven(page.GetPaperHeight() / 25.4 * dpi)));
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(dpi / 0.0254));
    image.setDotsPerMeterY(static_cast<int>(dpi / 0.0254));
    image.fill(Qt::white);
    return image;
}

QImage renderPage(TfrxReportPage& page, double dpi)
{
    const double scale = dpi / kReportDpi;
    QImage image = blankImage(page, dpi);
    QPainter painter(&image);
    DrawPageBackground(page, painter, scale, scale, 0, 0);
    // Objects are placed from the printable area's corner.
    const double offsetX = page.GetLeftMargin() * kPixelsPerMm * scale;
    const double offsetY = page.GetTopMargin() * kPixelsPerMm * scale;
    for (TfrxComponent* object : page.GetAllObjects()) {
        auto* view = dynamic_cast<TfrxView*>(object);
        if (view && view->GetVisible() && IsVisibleOn(*view, painter))
            Draw(*view, painter, scale, scale, offsetX, offsetY);
    }
    return image;
}

int renderPreparedPage(const RenderRequest& request)
{
    TfrxReport report;
    TfrxCustomPreviewPages* pages = report.GetPreviewPages();
    try {
        pages->LoadFromFile(request.input, true);
    } catch (const Exception& error) {
        printError(error.message());
        return 1;
    }
    const int index = std::max(request.page, 1) - 1;
    TfrxReportPage* page = pages->GetPage(index);
    if (!page) {
        printError(QStringLiteral("%1 has no page %2 (it has %3)")
                       .arg(request.input)
                       .arg(index + 1)
                       .arg(pages->GetCount()));
        return 1;
    }
    QImage image = blankImage(*page, request.dpi);
    {
        QPainter painter(&image);
        const double scale = request.dpi / kReportDpi;
        pages->DrawPage(index, painter, scale, scale, 0, 0);
    }
    if (!image.save(request.output, "PNG")) {
        printError(QStringLiteral("Unable to write to %1").arg(request.output));
        return 1;
    }
    return 0;
}

} // namespace

int runRender(const QStringList& arguments)
{
    const auto request = parseArguments(arguments);
    if (!request) {
        printError(QStringLiteral("usage: reporttool render IN.fr3|IN.fp3 OUT.png [--dpi D] [--page N] (0 < "
                                  "D <= 2400; N >= 1, .fp3 only)"));
        return 2;
    }
    frxSetErrorBoxHandler([](const QString&) {});
    if (isPreparedReport(request->input))
        return renderPreparedPage(*request);
    TfrxReport report;
    try {
        report.LoadFromFile(request->input, true);
    } catch (const Exception& error) {
        printError(error.message());
        return 1;
    }
    for (const QString& error : report.GetErrors())
        printError(error);
    TfrxReportPage* page = firstReportPage(report);
    if (!page) {
        printError(QStringLiteral("%1 has no report page").arg(request->input));
        return 1;
    }
    if (!renderPage(*page, request->dpi).save(request->output, "PNG")) {
        printError(QStringLiteral("Unable to write to %1").arg(request->output));
        return 1;
    }
    return report.GetErrors().isEmpty() ? 0 : 1;
}
