#pragma once

#include "common/DateValue.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportComponent.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>

class TfrxBand;
class TfrxComponent;
class TfrxCustomPreviewPages;
class TfrxPage;
class TfrxReport;
class TfrxReportPage;

// The preparation engine as the report, the preview and the script see it. Positions are report
// pixels relative to the printable area of the current page.
class TfrxCustomEngine {
public:
    explicit TfrxCustomEngine(TfrxReport& AReport) : FReport(AReport) {}
    virtual ~TfrxCustomEngine() = default;
    TfrxCustomEngine(const TfrxCustomEngine&) = delete;
    TfrxCustomEngine& operator=(const TfrxCustomEngine&) = delete;

    // FPageHeight; on an endless page the footer height plus FCurY.
    virtual double GetPageHeight() { return FPageHeight; }
    virtual void EndPage() = 0;
    virtual void BreakAllKeep() {}
    virtual void NewColumn() = 0;
    virtual void NewPage() = 0;
    virtual void ShowBand(TfrxBand* Band) = 0;
    // The first band of that class on the current page template.
    virtual void ShowBand(const QString& BandClassName) = 0;
    virtual double HeaderHeight() = 0;
    virtual double FooterHeight() = 0;
    // Height left on the current page; 1 000 000 on an endless page.
    virtual double FreeSpace() = 0;
    virtual QVariant GetAggregateValue(const QString& Name, const QString& Expression, TfrxBand* Band,
                                       int Flags) = 0;
    // One complete run (one or two passes) over every page template, or over APage only. False when
    // initialisation found errors or a dialog was cancelled.
    virtual bool Run(bool ARunDialogs, bool AClearLast = false, TfrxPage* APage = nullptr) = 0;
    // The report script for a run: compiled (false, with the error in the report's errors, when it
    // does not compile), then its main block run.
    virtual bool PrepareScript() = 0;
    virtual void ExecuteMainScript() = 0;

    bool GetDoublePass() const { return FReport.GetEngineOptions()->GetDoublePass(); }
    void ShowBandByName(const QString& Name)
    {
        if (auto* band = dynamic_cast<TfrxBand*>(FReport.FindObject(Name)))
            ShowBand(band);
    }
    // Asks the running preparation to stop at its next page.
    void StopReport() { FReport.SetTerminated(true); }

    int GetCurColumn() const { return FCurColumn; }
    void SetCurColumn(int value) { FCurColumn = value; }
    int GetCurVColumn() const { return FCurVColumn; }
    int GetCurLine() const { return FCurLine; }
    void SetCurLine(int value) { FCurLine = value; }
    int GetCurLineThrough() const { return FCurLineThrough; }
    void SetCurLineThrough(int value) { FCurLineThrough = value; }
    bool GetFinalPass() const { return FFinalPass; }
    QList<TfrxComponent*>& GetNotifyList() { return FNotifyList; }
    double GetPageWidth() const { return FPageWidth; }
    TfrxCustomPreviewPages* GetPreviewPages() const { return FPreviewPages; }
    void SetPreviewPages(TfrxCustomPreviewPages* value) { FPreviewPages = value; }
    TfrxReport& GetReport() const { return FReport; }
    bool GetRunning() const { return FRunning; }
    TDateTime GetStartDate() const { return FStartDate; }
    TDateTime GetStartTime() const { return FStartTime; }
    int GetTotalPages() const { return FTotalPages; }
    void SetTotalPages(int value) { FTotalPages = value; }
    bool GetSecondScriptCall() const { return FSecondScriptCall; }
    void SetSecondScriptCall(bool value) { FSecondScriptCall = value; }
    double GetCurX() const { return FCurX; }
    void SetCurX(double value) { FCurX = value; }
    double GetCurY() const { return FCurY; }
    void SetCurY(double value) { FCurY = value; }

    // Shows a dialog page instead of the default modal display; true unless it was cancelled.
    using TfrxRunDialogEvent = std::function<bool(TfrxPage& Page)>;
    const TfrxRunDialogEvent& GetOnRunDialog() const { return FOnRunDialog; }
    void SetOnRunDialog(TfrxRunDialogEvent value) { FOnRunDialog = std::move(value); }

protected:
    int FCurColumn = 1;
    int FCurVColumn = 0;
    int FCurLine = 0;
    int FCurLineThrough = 0;
    bool FFinalPass = true;
    QList<TfrxComponent*> FNotifyList;
    double FPageHeight = 0;
    double FPageWidth = 0;
    TfrxCustomPreviewPages* FPreviewPages = nullptr;
    TfrxReport& FReport;
    bool FRunning = false;
    TDateTime FStartDate = 0;
    TDateTime FStartTime = 0;
    int FTotalPages = 0;
    TfrxRunDialogEvent FOnRunDialog;
    bool FSecondScriptCall = false;
    double FCurX = 0;
    double FCurY = 0;
};
