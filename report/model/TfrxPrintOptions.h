#pragma once

#include "report/model/TfrxPropertyInfo.h"
#include "report/model/TfrxTypes.h"

// How the report is printed (PrintOptions in templates).
class TfrxPrintOptions : public TfrxPersistent {
public:
    // Printer "Default" (the text of prDefault), one collated copy of all pages.
    TfrxPrintOptions();

    QString GetClassName() const override { return QStringLiteral("TfrxPrintOptions"); }
    const TfrxPropertyList& GetProperties() const override;

    int GetCopies() const { return FCopies; }
    void SetCopies(int value) { FCopies = value; }
    bool GetCollate() const { return FCollate; }
    void SetCollate(bool value) { FCollate = value; }
    const QString& GetPageNumbers() const { return FPageNumbers; }
    void SetPageNumbers(const QString& value) { FPageNumbers = value; }
    const QString& GetPrinter() const { return FPrinter; }
    void SetPrinter(const QString& value) { FPrinter = value; }
    TfrxPrintMode GetPrintMode() const { return FPrintMode; }
    void SetPrintMode(TfrxPrintMode value) { FPrintMode = value; }
    int GetPrintOnSheet() const { return FPrintOnSheet; }
    void SetPrintOnSheet(int value) { FPrintOnSheet = value; }
    TfrxPrintPages GetPrintPages() const { return FPrintPages; }
    void SetPrintPages(TfrxPrintPages value) { FPrintPages = value; }
    bool GetReverse() const { return FReverse; }
    void SetReverse(bool value) { FReverse = value; }
    bool GetShowDialog() const { return FShowDialog; }
    void SetShowDialog(bool value) { FShowDialog = value; }
    bool GetSwapPageSize() const { return FSwapPageSize; }
    void SetSwapPageSize(bool value) { FSwapPageSize = value; }
    int GetPagesOnSheet() const { return FPagesOnSheet; }
    void SetPagesOnSheet(int value) { FPagesOnSheet = value; }
    int GetSplicingLine() const { return FSplicingLine; }
    void SetSplicingLine(int value) { FSplicingLine = value; }
    TfrxDuplexMode GetDuplex() const { return FDuplex; }
    void SetDuplex(TfrxDuplexMode value) { FDuplex = value; }
    // When set, print jobs go to this file instead of the printer.
    const QString& GetPrnOutFileName() const { return FPrnOutFileName; }
    void SetPrnOutFileName(const QString& value) { FPrnOutFileName = value; }

    // Back to the defaults, SwapPageSize excepted.
    void Clear();
    void Assign(const TfrxPrintOptions& source);

private:
    int FCopies = 1;
    bool FCollate = true;
    QString FPageNumbers;
    QString FPrinter;
    TfrxPrintMode FPrintMode = pmDefault;
    int FPrintOnSheet = 0;
    TfrxPrintPages FPrintPages = ppAll;
    bool FReverse = false;
    bool FShowDialog = true;
    bool FSwapPageSize = false;
    int FPagesOnSheet = 0;
    int FSplicingLine = 3;
    TfrxDuplexMode FDuplex = dmNone;
    QString FPrnOutFileName;
};
