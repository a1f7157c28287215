#include "PreparedReportSupport.h"

#include "common/Rounding.h"

#include <QBuffer>
#include <QPainter>

std::unique_ptr<TfrxReport> filledCertificate()
{
    auto report = std::make_unique<TfrxReport>();
    report->GetEngineOptions()->SetNewSilentMode(simSilent);
    report->LoadFromFile(QStringLiteral(CERTPRINT_TEMPLATE), true);
    report->GetEngineOptions()->SetNewSilentMode(simSilent);
    for (TfrxComponent* object : report->GetAllObjects())
        if (auto* memo = dynamic_cast<TfrxMemoView*>(object))
            memo->SetText(memo->GetName());
    return report;
}

std::unique_ptr<TfrxReport> generatedReport(int Memos, int PageCount)
{
    auto report = std::make_unique<TfrxReport>();
    report->GetEngineOptions()->SetNewSilentMode(simSilent);
    auto* page = new TfrxReportPage(report.get());
    page->SetName(QStringLiteral("Page1"));
    page->SetPaperSize(11);
    for (auto margin : {&TfrxReportPage::SetLeftMargin, &TfrxReportPage::SetRightMargin,
                        &TfrxReportPage::SetTopMargin, &TfrxReportPage::SetBottomMargin})
        (page->*margin)(5);
    page->SetPageCount(PageCount);
    for (int i = 1; i <= Memos; ++i) {
        auto* memo = new TfrxMemoView(page);
        memo->SetName(QStringLiteral("Memo%1").arg(i));
        memo->SetBounds(10, 15 * i, 300, 15);
        memo->SetText(QStringLiteral("Value %1").arg(i));
    }
    return report;
}

TfrxReportPage& firstPage(TfrxReport& report)
{
    for (TfrxComponent* child : report.GetObjects())
        if (auto* page = dynamic_cast<TfrxReportPage*>(child))
            return *page;
    throw Exception(QStringLiteral("no report page"));
}

TfrxMemoView& memoNamed(TfrxReport& report, const QString& name)
{
    auto* memo = dynamic_cast<TfrxMemoView*>(report.FindObject(name));
    if (!memo)
        throw Exception(QStringLiteral("no memo ") + name);
    return *memo;
}

QByteArray savedPages(TfrxCustomPreviewPages& pages)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    pages.SaveToStream(buffer);
    return bytes;
}

QImage drawnPage(TfrxCustomPreviewPages& pages, int index)
{
    TfrxReportPage* page = pages.GetPage(index);
    const QSize size(int(roundHalfEven(page->GetPaperWidth() * 3.77953)),
                     int(roundHalfEven(page->GetPaperHeight() * 3.77953)));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    pages.DrawPage(index, painter, 1, 1, 0, 0);
    return image;
}

QByteArray pageContent(TfrxCustomPreviewPages& pages, int index)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    pages.GetPage(index)->SaveToStream(buffer);
    return bytes;
}
