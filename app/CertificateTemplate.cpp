#include "app/CertificateTemplate.h"

#include "app/FillMap.h"
#include "report/model/TfrxDataPage.h"
#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxPictureView.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"

#include <QFile>

namespace {

constexpr int kPaperA5 = 11;
constexpr double kMarginMm = 5;
constexpr int kRussianCharset = 204;
constexpr TColor kBlack = 0;
constexpr TColor kWhite = 0xFFFFFF;

void applySettings(TfrxReport& report)
{
    report.GetPreviewOptions()->SetButtons({pbPrint, pbLoad, pbSave, pbExport, pbZoom, pbFind, pbOutline,
                                            pbPageSetup, pbTools, pbEdit, pbNavigator, pbExportQuick});
    report.GetPreviewOptions()->SetZoom(1.0);
    report.GetPrintOptions()->SetPrinter(QStringLiteral("Default"));
    report.GetPrintOptions()->SetPrintOnSheet(0);
    report.SetIniFile(QStringLiteral("\\Software\\Orvanta"));
    report.SetScriptLanguage(QStringLiteral("PascalScript"));
    report.SetScriptText({QStringLiteral("begin"), QString(), QStringLiteral("end.")});
    report.GetReportOptions()->SetDescription({QStringLiteral("Модуль для печати бланков о профессии водителя")});
    report.GetReportOptions()->SetVersionMajor(QStringLiteral("1"));
    report.GetReportOptions()->SetVersionMinor(QStringLiteral("0"));
    report.SetDotMatrixReport(false);
}

TfrxReportPage* addPage(TfrxReport& report)
{
    auto* page = new TfrxReportPage(&report);
    page->SetName(QStringLiteral("Page1"));
    page->SetPaperSize(kPaperA5);
    page->SetLeftMargin(kMarginMm);
    page->SetRightMargin(kMarginMm);
    page->SetTopMargin(kMarginMm);
    page->SetBottomMargin(kMarginMm);
    TfrxFont font;
    font.SetName(QStringLiteral("Times New Roman"));
    font.SetHeight(-11);
    font.SetColor(kBlack);
    page->SetFont(font);
    return page;
}

void addBlankPicture(TfrxReportPage& page)
{
    auto* picture = new TfrxPictureView(&page);
    picture->SetName(QStringLiteral("Picture1"));
    picture->SetBounds(-28.24, -23.68, 593.39, 820.16);
    QFile png(QStringLiteral(":/assets/blank_300dpi.png"));
    if (png.open(QIODevice::ReadOnly))
        picture->GetPicture()->LoadGraphic(TfrxPicture::kPngClass, png.readAll());
    // The blank is on the paper already: it is seen in the preview but never printed.
    picture->SetVisibility({vsPreview, vsExport});
    picture->SetTransparent(false);
    picture->SetTransparentColor(kWhite);
}

void addMemo(TfrxReportPage& page, const FillMapEntry& entry)
{
    auto* memo = new TfrxMemoView(&page);
    memo->SetName(QString::fromLatin1(entry.name));
    memo->SetBounds(entry.left, entry.top, entry.width, kFillMemoHeight);
    TfrxFont font;
    font.SetName(QStringLiteral("Times New Roman"));
    font.SetHeight(-entry.fontHeight);
    font.SetCharset(kRussianCharset);
    font.SetColor(kBlack);
    TFontStyles style;
    if (entry.italic)
        style.include(fsItalic);
    if (entry.bold)
        style.include(fsBold);
    font.SetStyle(style);
    memo->SetFont(font);
    memo->SetHAlign(entry.align == FillMapEntry::Align::Left ? haLeft : haCenter);
}

} // namespace

void setupCertificateReport(TfrxReport& report)
{
    applySettings(report);
    auto* data = new TfrxDataPage(&report);
    data->SetName(QStringLiteral("Data"));
    TfrxReportPage* page = addPage(report);
    addBlankPicture(*page);
    for (const FillMapEntry& entry : fillMap())
        addMemo(*page, entry);
}
