#pragma once

#include <QStringList>

// reporttool pdf IN.fr3|IN.fp3 OUT.pdf [--pages RANGE] [--copies N] [--collate]: prepares a template
// (or opens a prepared report) and prints it through the print job into a PDF file laid out as the
// current printer prints, without the print dialog.
int runPdf(const QStringList& arguments);

// reporttool print IN.fr3|IN.fp3 [--printer NAME]: the same onto a printer queue, the default one
// unless NAME is given.
int runPrint(const QStringList& arguments);
