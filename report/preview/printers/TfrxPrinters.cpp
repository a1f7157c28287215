#include "report/preview/printers/TfrxPrinters.h"

#include "report/model/resources/TfrxResources.h"
#include "report/preview/printers/TfrxPrinter.h"
#include "report/preview/printers/TfrxVirtualPrinter.h"

#include <QCoreApplication>
#include <QPrinterInfo>

#include <algorithm>

TfrxPrinters::TfrxPrinters()
{
    FillPrinters();
}

TfrxPrinters::~TfrxPrinters() = default;

TfrxCustomPrinter* TfrxPrinters::GetItem(int Index) const
{
    if (Index < 0 || Index >= int(FPrinterList.size()))
        return nullptr;
    return FPrinterList[size_t(Index)].get();
}

void TfrxPrinters::SetPrinterIndex(int Value)
{
    FPrinterIndex = Value == -1 ? IndexOf(frxDefaultPrinterName().trimmed()) : Value;
    // An index outside the list names no printer and so has nothing to initialise.
    if (TfrxCustomPrinter* printer = GetItem(FPrinterIndex))
        printer->Init();
}

int TfrxPrinters::IndexOf(const QString& AName) const
{
    for (qsizetype i = 0; i < FPrinters.size(); ++i)
        if (FPrinters.at(i).compare(AName, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

void TfrxPrinters::Clear()
{
    FPrinterList.clear();
    FPrinters.clear();
    FPrinterIndex = -1;
    FHasPhysicalPrinters = false;
}

void TfrxPrinters::FillPrinters()
{
    Clear();
    QStringList names = QPrinterInfo::availablePrinterNames();
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    for (const QString& name : names) {
        FPrinterList.push_back(std::make_unique<TfrxPrinter>(name, QString()));
        FPrinters.append(name);
    }
    if (!FPrinterList.empty()) {
        FHasPhysicalPrinters = true;
        SetPrinterIndex(-1);
        if (FPrinterIndex == -1)
            SetPrinterIndex(0);
        return;
    }
    const QString name = frxGet(QStringLiteral("prVirtual"));
    FPrinterList.push_back(std::make_unique<TfrxVirtualPrinter>(name, QString()));
    FPrinters.append(name);
    FHasPhysicalPrinters = false;
    SetPrinterIndex(0);
}

QString frxDefaultPrinterName()
{
    return QPrinterInfo::defaultPrinterName();
}

namespace {
std::unique_ptr<TfrxPrinters>& printerList()
{
    static std::unique_ptr<TfrxPrinters> list;
    return list;
}

void destroyPrinterList()
{
    printerList().reset();
}
} // namespace

TfrxPrinters* frxPrinters()
{
    std::unique_ptr<TfrxPrinters>& list = printerList();
    if (!list) {
        list = std::make_unique<TfrxPrinters>();
        // Printers hold print-support objects, which must go before the application object does.
        if (QCoreApplication::instance())
            qAddPostRoutine(destroyPrinterList);
    }
    return list.get();
}
