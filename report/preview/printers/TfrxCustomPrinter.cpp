#include "report/preview/printers/TfrxCustomPrinter.h"

#include "report/model/resources/TfrxResources.h"
#include "report/preview/printers/TfrxPrinterCanvas.h"

TfrxCustomPrinter::TfrxCustomPrinter(const QString& AName, const QString& APort)
    : FCanvas(std::make_unique<TfrxPrinterCanvas>(this)), FName(AName), FPort(APort)
{
    ResetPapersAndBins();
}

TfrxCustomPrinter::~TfrxCustomPrinter() = default;

int TfrxCustomPrinter::BinIndex(int ABin) const
{
    return FBins.IndexOfNumber(ABin);
}

int TfrxCustomPrinter::PaperIndex(int APaper) const
{
    return FPapers.IndexOfNumber(APaper);
}

int TfrxCustomPrinter::BinNameToNumber(const QString& ABin) const
{
    const int i = FBins.IndexOfName(ABin);
    return FBins.Number(i < 0 ? 0 : i);
}

int TfrxCustomPrinter::PaperNameToNumber(const QString& APaper) const
{
    const int i = FPapers.IndexOfName(APaper);
    return FPapers.Number(i < 0 ? 0 : i);
}

void TfrxCustomPrinter::ResetPapersAndBins()
{
    FPapers.Clear();
    FPapers.Add(frxGet(QStringLiteral("prCustom")), kfrxCustomPaper);
    FBins.Clear();
    FBins.Add(frxGet(QStringLiteral("prDefault")), kfrxDefaultBin);
}

QString TfrxCustomPrinter::DocumentName() const
{
    return FTitle.isEmpty() ? QStringLiteral("Orvanta Document") : FTitle;
}
