#pragma once

#include <QStringList>

#include <memory>
#include <vector>

class TfrxCustomPrinter;

// The system's printers in name order, or the virtual printer alone when there are none, and
// the current printer that everything prints on and measures with.
class TfrxPrinters {
public:
    TfrxPrinters();
    ~TfrxPrinters();
    TfrxPrinters(const TfrxPrinters&) = delete;
    TfrxPrinters& operator=(const TfrxPrinters&) = delete;

    // The printer at Index; nullptr for an index outside the list.
    TfrxCustomPrinter* GetItem(int Index) const;
    // The current printer; nullptr when PrinterIndex is -1.
    TfrxCustomPrinter* GetPrinter() const { return GetItem(FPrinterIndex); }
    int GetPrinterIndex() const { return FPrinterIndex; }
    // -1 selects the system's default printer (which may be none); the printer that becomes
    // current reads its capabilities.
    void SetPrinterIndex(int Value);
    const QStringList& GetPrinters() const { return FPrinters; }
    bool GetHasPhysicalPrinters() const { return FHasPhysicalPrinters; }

    // First printer whose name equals AName ignoring case; -1 when none.
    int IndexOf(const QString& AName) const;
    // Frees every printer; the list is empty and no printer is current.
    void Clear();
    // Lists the system's printers again (after Clear), and makes the default one current.
    void FillPrinters();

private:
    bool FHasPhysicalPrinters = false;
    QStringList FPrinters;
    int FPrinterIndex = -1;
    std::vector<std::unique_ptr<TfrxCustomPrinter>> FPrinterList;
};

// The process-wide printer list, created on first use and destroyed when the application object
// goes (or at exit, when there is none).
TfrxPrinters* frxPrinters();

// The name of the system's default printer; empty when there is none.
QString frxDefaultPrinterName();
