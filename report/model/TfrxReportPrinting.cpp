#include "report/model/TfrxReport.h"

#include "report/preview/printers/TfrxPrinters.h"

void TfrxReport::SelectPrinter() const
{
    TfrxPrinters* printers = frxPrinters();
    const int index = printers->IndexOf(FPrintOptions.GetPrinter());
    if (index >= 0)
        printers->SetPrinterIndex(index);
}
