#pragma once

#include "report/model/TfrxCustomEngine.h"
#include "report/model/TfrxObjectRef.h"

#include <QList>
#include <QStringList>

class TfrxReportScriptBinding;
class TfrxCustomMemoView;
class TfrxReportComponent;
class TfrxReportPage;
class TfsVariant;

// Lays a report out into its prepared pages: runs every page template (PageCount times, or as its
// data says), outputs each page's own objects once per page body on a null band at their designed
// positions with memo texts expanded, and shows bands below each other, starting new pages when a
// band does not fit. Errors go to the report's error list; the run ends normally with what was
// prepared when the report is terminated.
class TfrxEngine : public TfrxCustomEngine {
public:
    explicit TfrxEngine(TfrxReport& AReport);
    ~TfrxEngine() override;

    double GetPageHeight() override;
    void EndPage() override;
    void NewColumn() override;
    void NewPage() override;
    void ShowBand(TfrxBand* Band) override;
    void ShowBand(const QString& BandClassName) override;
    double HeaderHeight() override { return 0; }
    double FooterHeight() override { return 0; }
    double FreeSpace() override;
    QVariant GetAggregateValue(const QString& Name, const QString& Expression, TfrxBand* Band,
                               int Flags) override;
    bool Run(bool ARunDialogs, bool AClearLast = false, TfrxPage* APage = nullptr) override;
    bool PrepareScript() override;
    void ExecuteMainScript() override;

private:
    // Every use of the report's script goes through here.
    TfrxReportScriptBinding& Script();
    TfrxCustomPreviewPages& Pages() { return *FPreviewPages; }

    bool Initialize();
    void Finalize();
    void CheckDataSetConflicts();
    void RunReportPages(TfrxPage* APage);
    void RunPage(TfrxReportPage& Page);
    void RunPageBody(TfrxReportPage& Page);
    void StartPage(TfrxReportPage& Page);
    void AddPage();
    void OutputPageObjects(TfrxReportPage& Page);
    // Before-print, data and stretching of a band's objects; AfterPrint puts them back.
    void PrepareBand(TfrxBand& Band, const QList<TfrxComponent*>& Objects);
    void UnprepareBand(TfrxBand& Band, const QList<TfrxComponent*>& Objects);
    void ShowBand(TfrxBand& Band, const QList<TfrxComponent*>& Objects);
    void RunEvent(const QString& Handler, TfrxComponent* Sender);
    // The part of Memo's text that does not fit it moves to its FlowTo memo, which shows it as it
    // is; the targets get their own text and AllowExpressions back when the run ends, so that the
    // template keeps them also without the report's snapshot.
    void FlowText(TfrxCustomMemoView& Memo);
    void RestoreFlowTargets();
    void UpdatePageVariables();

    TfrxBand* FCurBand = nullptr;
    TfrxReportPage* FPage = nullptr;
    bool FFirstReportPage = false;
    bool FIsFirstBand = false;
    bool FIsFirstPage = false;
    bool FIsLastPage = false;
    double FPageCurX = 0;
    double FPrevFooterHeight = 0;
    struct FlowTarget {
        TfrxObjectRef<TfrxCustomMemoView> FMemo;
        QStringList FText;
        bool FAllowExpressions = true;
    };
    QList<FlowTarget> FFlowTargets;
};
