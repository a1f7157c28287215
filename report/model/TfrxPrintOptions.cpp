#include "report/model/TfrxPrintOptions.h"

#include "report/model/TfrxEnumNames.h"
#include "report/model/TfrxPropertyTable.h"
#include "report/model/resources/TfrxResources.h"

TfrxPrintOptions::TfrxPrintOptions()
{
    Clear();
}

const TfrxPropertyList& TfrxPrintOptions::GetProperties() const
{
    using P = TfrxPrintOptions;
    static const TfrxPropertyList list =
        TfrxPropertyTable<P>()
            .Integer("Copies", &P::GetCopies, &P::SetCopies)
            .Default(1)
            .Boolean("Collate", &P::GetCollate, &P::SetCollate)
            .Default(true)
            .String("PageNumbers", &P::GetPageNumbers, &P::SetPageNumbers)
            .String("Printer", &P::GetPrinter, &P::SetPrinter)
            .Enum("PrintMode", "TfrxPrintMode", frxPrintModeNames(), &P::GetPrintMode, &P::SetPrintMode)
            .Default(pmDefault)
            .Integer("PrintOnSheet", &P::GetPrintOnSheet, &P::SetPrintOnSheet)
            .Enum("PrintPages", "TfrxPrintPages", frxPrintPagesNames(), &P::GetPrintPages, &P::SetPrintPages)
            .Default(ppAll)
            .Boolean("Reverse", &P::GetReverse, &P::SetReverse)
            .Default(false)
            .Boolean("ShowDialog", &P::GetShowDialog, &P::SetShowDialog)
            .Default(true)
            .Boolean("SwapPageSize", &P::GetSwapPageSize, &P::SetSwapPageSize)
            .NeverStored()
            .Build();
    return list;
}

void TfrxPrintOptions::Clear()
{
    FCopies = 1;
    FCollate = true;
    FPageNumbers.clear();
    FPagesOnSheet = 0;
    FPrinter = frxGet(QStringLiteral("prDefault"));
    FPrintMode = pmDefault;
    FPrintOnSheet = 0;
    FPrintPages = ppAll;
    FReverse = false;
    FShowDialog = true;
    FSplicingLine = 3;
    FDuplex = dmNone;
}

void TfrxPrintOptions::Assign(const TfrxPrintOptions& source)
{
    if (&source == this)
        return;
    frxCopyProperties(*this, source);
    FSwapPageSize = source.FSwapPageSize;
    FPagesOnSheet = source.FPagesOnSheet;
    FSplicingLine = source.FSplicingLine;
    FDuplex = source.FDuplex;
    FPrnOutFileName = source.FPrnOutFileName;
}
