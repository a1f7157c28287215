#pragma once

#include <QPageLayout>
#include <QString>

#include <memory>

class QPainter;
class QPrinter;

// One document drawn into a PDF file page by page, at a given resolution. Pages are laid out as
// whole sheets; drawing coordinates start at the printable area's corner, which the caller
// gives for each page. The painter starts with the first page, so a page layout set before a page
// holds for it.
class PdfPrintJob {
public:
    PdfPrintJob(const QString& fileName, const QString& title, int dpi);
    ~PdfPrintJob();

    // The paper of the pages that follow.
    void SetPaper(const QPageSize& size, QPageLayout::Orientation orientation);
    // Raises an Exception when the file cannot be written.
    QPainter* BeginPage(double leftMarginMm, double topMarginMm);
    // Completes the file; false when it could not be written.
    bool Finish();
    // Ends the document and removes the file.
    void Discard();

    bool HasPages() const { return FPainter != nullptr; }
    const QString& FileName() const { return FFileName; }

private:
    QString FFileName;
    int FDpi;
    std::unique_ptr<QPrinter> FPrinter;
    std::unique_ptr<QPainter> FPainter;
};
