#pragma once

#include "report/model/TfrxTypes.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TfrxCustomPrinter;
class TfrxReport;

// The print dialog: the printer (among the printer list's, chosen at once) and its properties,
// printing to a file, the pages, copies and collation, odd or even pages, the order, the duplex
// mode and the print mode with its sheet. It reads the report's PrintOptions when it is shown and
// writes them back when it closes with OK; Cancel selects the printer that was current when it
// opened and leaves the options alone.
//
// The controls carry their names as object names ("PrintersCB", "CopiesE", ...), so that tests and
// hosts can find them without showing the dialog modally.
class TfrxPrintDialog : public QDialog {
    Q_OBJECT

public:
    explicit TfrxPrintDialog(QWidget* parent = nullptr);
    ~TfrxPrintDialog() override;

    TfrxReport* GetAReport() const { return FAReport; }
    void SetAReport(TfrxReport* value) { FAReport = value; }
    // The duplex choice, as an index of "Default", "Vertical", "Horizontal", "Simplex".
    TfrxDuplexMode GetADuplexMode() const { return FADuplexMode; }
    void SetADuplexMode(TfrxDuplexMode value) { FADuplexMode = value; }
    // The printer index when the dialog opened.
    int GetOldIndex() const { return FOldIndex; }
    // The page "Current page" prints (1-based).
    void SetCurPreviewPage(int value) { FCurPreviewPage = value; }
    // Asks where "Print to file" writes: the chosen file, or empty when the question was cancelled.
    // The default shows the save dialog.
    void SetOnAskFileName(std::function<QString()> value) { FOnAskFileName = std::move(value); }

    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreatePrinterGroup();
    void CreatePagesGroup();
    void CreateCopiesGroup();
    void CreateOtherGroup();
    void CreatePrintModeGroup();
    void CreateButtons();
    void FillPrinters();

    void PrinterChanged();
    void PrintModeChanged();
    void CollateChanged();
    void PropertiesClicked();
    void LoadOptions();
    void StoreOptions();
    QString AskFileName();
    TfrxCustomPrinter* Printer() const;

    TfrxReport* FAReport = nullptr;
    TfrxDuplexMode FADuplexMode = dmNone;
    int FOldIndex = -1;
    int FCurPreviewPage = 1;
    std::function<QString()> FOnAskFileName;

    QComboBox* FPrintersCB;
    QPushButton* FPropButton;
    QLabel* FWhereL1;
    QCheckBox* FFileCB;
    QRadioButton* FAllRB;
    QRadioButton* FCurPageRB;
    QRadioButton* FPageNumbersRB;
    QLineEdit* FPageNumbersE;
    QSpinBox* FCopiesE;
    QCheckBox* FCollateCB;
    QLabel* FCopiesPB;
    QComboBox* FPrintPagesCB;
    QComboBox* FOrderCB;
    QComboBox* FDuplexCB;
    QComboBox* FPrintModeCB;
    QComboBox* FPagPageSizeCB;
};
