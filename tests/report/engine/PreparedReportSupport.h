#pragma once

#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <memory>

// The certificate template with every memo holding its own name as its value ("Memo1" …), the way
// the print command fills it; errors are collected silently.
std::unique_ptr<TfrxReport> filledCertificate();

// A report of one A5 page (5 mm margins) with Memos memos named Memo1 … laid out in a column,
// each reading "Value <n>", prepared PageCount times.
std::unique_ptr<TfrxReport> generatedReport(int Memos, int PageCount);
TfrxReportPage& firstPage(TfrxReport& report);
TfrxMemoView& memoNamed(TfrxReport& report, const QString& name);

// The prepared pages as a prepared-report document.
QByteArray savedPages(TfrxCustomPreviewPages& pages);
// A page drawn at 96 dots per inch on a white image of its paper's size.
QImage drawnPage(TfrxCustomPreviewPages& pages, int index);
// The live page's objects, serialised whole, for comparing two stores page by page.
QByteArray pageContent(TfrxCustomPreviewPages& pages, int index);
