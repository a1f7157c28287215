#pragma once

#include <QDialog>

#include <QList>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class TfrxCustomPrinter;
class TfrxPreview;
class TfrxReport;
class TfrxReportPage;

// The paper, orientation and margins of one page, in the units the designer shows (centimetres or
// inches). Choosing a paper or an orientation asks the current printer to describe that paper and
// shows its size. OK writes the values into the page object; whether they go to that prepared page
// only or to every template page (NeedRebuild) is the caller's business.
//
// Every field is read before anything is written, so that a field that holds no number leaves the
// page as it was: the error is shown and the dialog stays open for the operator to correct it.
//
// The controls carry their names as object names ("SizeCB", "WidthE", ...).
class TfrxPageSettingsForm : public QDialog {
    Q_OBJECT

public:
    explicit TfrxPageSettingsForm(QWidget* parent = nullptr);
    ~TfrxPageSettingsForm() override;

    TfrxReportPage* GetPage() const { return FPage; }
    void SetPage(TfrxReportPage* value) { FPage = value; }
    TfrxReport* GetReport() const { return FReport; }
    void SetReport(TfrxReport* value) { FReport = value; }
    // True when "Apply to all pages" is chosen.
    bool GetNeedRebuild() const;

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The values of the fields in millimetres.
    struct PageValues {
        double width, height, left, top, right, bottom;
    };

    void CreateSizeGroup();
    void CreateOrientationGroup();
    void CreateMarginsGroup();
    void CreateOtherGroup();
    void CreateButtons();

    void ReadUnits();
    void FillPapers();
    // The number of the paper chosen in SizeCB; 256 for "Custom".
    int ChosenPaper() const;
    void ShowPage();
    void PaperChanged();
    void OrientationChanged();
    void SizeTyped();
    void ShowPrinterPaper(int paper, double width, double height);
    void UpdatePictures();

    // Millimetres shown in the display unit; fields read back into millimetres (throws Exception).
    QString ToUnits(double millimetres) const;
    double FromUnits(const QLineEdit* field) const;
    PageValues ReadValues() const;
    void ApplyTo(TfrxReportPage& page, const PageValues& values) const;
    TfrxCustomPrinter* Printer() const;

    TfrxReportPage* FPage = nullptr;
    TfrxReport* FReport = nullptr;
    int FUnits = 0;
    bool FUpdating = false;

    QComboBox* FSizeCB;
    QLineEdit* FWidthE;
    QLineEdit* FHeightE;
    QRadioButton* FPortraitRB;
    QRadioButton* FLandscapeRB;
    QLabel* FPortraitImg;
    QLabel* FLandscapeImg;
    QLineEdit* FMarginLeftE;
    QLineEdit* FMarginTopE;
    QLineEdit* FMarginRightE;
    QLineEdit* FMarginBottomE;
    QRadioButton* FApplyToCurRB;
    QRadioButton* FApplyToAllRB;
    QList<QLabel*> FUnitLabels;
};

// The page settings command of the preview: the dialog for the current page, then either that
// prepared page replaced by the edited one, or the settings copied into every template page and
// the report prepared again. Nothing while the report is being prepared or without a current page.
void frxPageSetupDlg(TfrxPreview& Preview, QWidget* Parent = nullptr);
