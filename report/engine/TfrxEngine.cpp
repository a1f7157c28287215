#include "report/engine/TfrxEngine.h"

#include "common/DateValue.h"
#include "report/engine/MemoDrawing.h"
#include "report/engine/TfrxNullBand.h"
#include "report/engine/TfrxOutline.h"
#include "report/engine/TfrxPreviewPages.h"
#include "report/model/TfrxCustomMemoView.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/TfrxPictureView.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"
#include "report/model/TfrxReportScriptBinding.h"
#include "report/model/TfrxStretcheable.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr double kMillimetre = 3.77953;
constexpr double kEndlessFreeSpace = 1000000;

QList<TfrxReportPage*> reportPages(const TfrxReport& report)
{
    QList<TfrxReportPage*> pages;
    for (TfrxComponent* child : report.GetObjects())
        if (auto* page = dynamic_cast<TfrxReportPage*>(child))
            pages.append(page);
    return pages;
}

} // namespace

TfrxEngine::TfrxEngine(TfrxReport& AReport) : TfrxCustomEngine(AReport) {}

TfrxEngine::~TfrxEngine() = default;

TfrxReportScriptBinding& TfrxEngine::Script()
{
    return FReport.GetScript();
}

bool TfrxEngine::PrepareScript()
{
    FNotifyList.clear();
    // Every picture is cached anew by the next preparation.
    for (TfrxComponent* object : FReport.GetAllObjects())
        if (auto* picture = dynamic_cast<TfrxPictureView*>(object))
            picture->SetPictureChanged(true);
    return Script().PrepareScript();
}

void TfrxEngine::ExecuteMainScript()
{
    TfsScript& script = Script().GetReportScript().GetScript();
    if (script.GetStatementCount() != 0)
        script.Execute();
}

void TfrxEngine::RunEvent(const QString& Handler, TfrxComponent* Sender)
{
    if (Handler.isEmpty())
        return;
    QList<TfsVariant> params;
    if (Sender)
        params.append(TfsVariant::FromObject(Script().GetScriptObject(*Sender)));
    Script().GetReportScript().GetScript().CallFunction(Handler, params);
}

double TfrxEngine::GetPageHeight()
{
    if (FPage && FPage->GetEndlessHeight())
        return FooterHeight() + FCurY;
    return FPageHeight;
}

double TfrxEngine::FreeSpace()
{
    if (FPage && FPage->GetEndlessHeight())
        return kEndlessFreeSpace;
    return FPageHeight - FCurY - FooterHeight();
}

QVariant TfrxEngine::GetAggregateValue(const QString&, const QString&, TfrxBand*, int)
{
    return QVariant(); // no data bands in this system, hence nothing to aggregate
}

bool TfrxEngine::Initialize()
{
    FPrevFooterHeight = 0;
    Pages().Initialize();
    Pages().SetAddPageAction(apAdd);
    const TDateTime now = dateTimeToValue(QDateTime::currentDateTime());
    FStartDate = std::floor(now);
    FStartTime = now - std::floor(now);
    FRunning = true;
    FCurVColumn = 0;
    for (TfrxReportPage* page : reportPages(FReport))
        page->AlignChildren();
    CheckDataSetConflicts();
    return FReport.GetErrors().isEmpty();
}

void TfrxEngine::Finalize()
{
    RestoreFlowTargets();
    Pages().Finish();
    FRunning = false;
}

void TfrxEngine::CheckDataSetConflicts()
{
    TfrxComponent* reportDataSet = FReport.GetDataSet();
    if (!reportDataSet)
        return;
    for (TfrxReportPage* page : reportPages(FReport))
        if (page->GetDataSet() == reportDataSet)
            FReport.AddError(
                QStringLiteral("Cannot use the same dataset for Report.DataSet and Page.DataSet"));
}

bool TfrxEngine::Run(bool ARunDialogs, bool AClearLast, TfrxPage* APage)
{
    Q_UNUSED(ARunDialogs); // the system has no dialog pages
    if (AClearLast)
        Pages().Clear();
    struct Finalization {
        TfrxEngine& engine;
        ~Finalization() { engine.Finalize(); }
    } finalization{*this};
    if (!Initialize())
        return false;
    RunEvent(FReport.GetOnStartReport(), &FReport);

    for (TfrxReportPage* page : reportPages(FReport))
        if (!APage || page == APage)
            Pages().AddSourcePage(page);

    FFinalPass = !GetDoublePass();
    FTotalPages = 0;
    Pages().BeginPass();
    RunReportPages(APage);
    if (GetDoublePass() && !FReport.GetTerminated()) {
        FTotalPages = Pages().GetCount();
        Pages().SetCurPage(Pages().GetCount() - 1);
        Pages().ClearFirstPassPages();
        FFinalPass = true;
        RunReportPages(APage);
    }
    RunEvent(FReport.GetOnStopReport(), &FReport);
    return true;
}

void TfrxEngine::RunReportPages(TfrxPage* APage)
{
    FFirstReportPage = true;
    for (TfrxReportPage* page : reportPages(FReport)) {
        if ((APage && page != APage) || !page->GetVisible())
            continue;
        RunPage(*page);
        FFirstReportPage = false;
        if (FReport.GetTerminated())
            break;
    }
}

void TfrxEngine::RunPage(TfrxReportPage& Page)
{
    FPage = &Page;
    FIsFirstBand = true;
    RunEvent(Page.GetOnBeforePrint(), &Page);
    for (int i = 0; i < Page.GetPageCount() && !FReport.GetTerminated(); ++i)
        RunPageBody(Page);
    RunEvent(Page.GetOnAfterPrint(), &Page);
}

void TfrxEngine::RunPageBody(TfrxReportPage& Page)
{
    // Without data bands there is no data to print, so an empty page is all there could be.
    if (!Page.GetPrintIfEmpty() || !FReport.GetEngineOptions()->GetPrintIfEmpty())
        return;
    StartPage(Page);
    OutputPageObjects(Page);
    RunEvent(Page.GetOnManualBuild(), &Page);
    FIsLastPage = true;
    if (Page.GetEndlessHeight() || Page.GetEndlessWidth())
        if (auto* store = dynamic_cast<TfrxPreviewPages*>(FPreviewPages))
            store->UpdatePageDimensions(
                &Page,
                std::max(FCurY, FPageHeight) + (Page.GetTopMargin() + Page.GetBottomMargin()) * kMillimetre,
                FPageWidth + (Page.GetLeftMargin() + Page.GetRightMargin()) * kMillimetre);
    EndPage();
    FIsLastPage = false;
}

void TfrxEngine::StartPage(TfrxReportPage& Page)
{
    FPageWidth = (Page.GetPaperWidth() - Page.GetLeftMargin() - Page.GetRightMargin()) * kMillimetre;
    FPageHeight = (Page.GetPaperHeight() - Page.GetTopMargin() - Page.GetBottomMargin()) * kMillimetre;
    FCurX = 0;
    FCurY = 0;
    FPageCurX = 0;
    FCurColumn = 1;
    FIsFirstPage = true;
    FIsLastPage = false;
    if (TfrxOutline* outline = Pages().GetOutline())
        outline->LevelRoot();
    if (Page.GetResetPageNumbers())
        Pages().ResetLogicalPageNumber();
    if (Pages().GetCount() > 0 && Page.GetPrintOnPreviousPage()) {
        Pages().SetCurPage(Pages().GetCount() - 1);
        FCurY = Pages().GetLastY();
    } else {
        AddPage();
    }
    if (FFirstReportPage)
        Pages().SetFirstPage(Pages().GetCurPage());
    if (!Page.GetOutlineText().isEmpty())
        if (TfrxOutline* outline = Pages().GetOutline())
            outline->AddItem(Script().Calc(Page.GetOutlineText()).ToString(), 0);
}

void TfrxEngine::AddPage()
{
    FPrevFooterHeight = 0;
    Pages().AddPage(FPage);
    FCurY = 0;
    UpdatePageVariables();
}

void TfrxEngine::UpdatePageVariables()
{
    Script().SetPage(Pages().GetLogicalPageNo());
    Script().SetPageIndex(Pages().GetCurPage());
    Script().SetTotalPages(Pages().GetLogicalTotalPages());
    Script().SetEngineTotalPages(FTotalPages);
}

void TfrxEngine::NewPage()
{
    EndPage();
    AddPage();
}

void TfrxEngine::NewColumn()
{
    NewPage(); // pages of this system have one column
}

void TfrxEngine::EndPage()
{
    if (!FIsLastPage)
        FCurX = 0;
    FCurColumn = 1;
    FIsFirstPage = false;
}

void TfrxEngine::OutputPageObjects(TfrxReportPage& Page)
{
    QList<TfrxComponent*> objects;
    for (TfrxComponent* child : Page.GetObjects())
        if (!dynamic_cast<TfrxBand*>(child))
            objects.append(child);
    const double savedY = FCurY;
    TfrxNullBand band;
    band.SetBounds(0, 0, FPageWidth, FPageHeight);
    ShowBand(band, objects);
    FCurY = savedY;
}

void TfrxEngine::ShowBand(TfrxBand* Band)
{
    if (Band)
        ShowBand(*Band, Band->GetObjects());
}

void TfrxEngine::ShowBand(const QString& BandClassName)
{
    if (!FPage)
        return;
    for (TfrxComponent* child : FPage->GetObjects())
        if (auto* band = dynamic_cast<TfrxBand*>(child); band && band->GetClassName() == BandClassName) {
            ShowBand(band);
            return;
        }
}

void TfrxEngine::ShowBand(TfrxBand& Band, const QList<TfrxComponent*>& Objects)
{
    const bool nullBand = dynamic_cast<TfrxNullBand*>(&Band) != nullptr;
    struct Unprepare {
        TfrxEngine& engine;
        TfrxBand& band;
        const QList<TfrxComponent*>& objects;
        ~Unprepare() { engine.UnprepareBand(band, objects); }
    };
    {
        const Unprepare unprepare{*this, Band, Objects};
        PrepareBand(Band, Objects);
        if (Band.GetVisible()) {
            if (!nullBand) {
                if (FreeSpace() < Band.GetHeight() && !FIsFirstBand)
                    NewPage();
                Band.SetLeft(FCurX);
                Band.SetTop(FCurY);
            }
            if (nullBand)
                Pages().AddObject(&Band, Objects);
            else
                Pages().AddObject(&Band);
            FCurY += Band.GetHeight();
            FIsFirstBand = false;
        }
    }
}

void TfrxEngine::PrepareBand(TfrxBand& Band, const QList<TfrxComponent*>& Objects)
{
    FCurBand = &Band;
    FReport.SetCurObject(Band.GetName());
    Band.BeforePrint();
    RunEvent(Band.GetOnBeforePrint(), &Band);
    for (TfrxComponent* object : Objects) {
        auto* component = dynamic_cast<TfrxReportComponent*>(object);
        if (!component)
            continue;
        FReport.SetCurObject(component->GetName());
        component->BeforePrint();
        if (!Band.GetVisible())
            continue;
        RunEvent(component->GetOnBeforePrint(), component);
        if (!component->GetVisible())
            continue;
        component->GetData();
        RunEvent(component->GetOnAfterData(), component);
        if (auto* memo = dynamic_cast<TfrxCustomMemoView*>(component))
            FlowText(*memo);
    }
    for (TfrxComponent* object : Objects) {
        auto* memo = dynamic_cast<TfrxCustomMemoView*>(object);
        if (!memo || !memo->GetVisible() || memo->GetStretchMode() == smDontStretch)
            continue;
        const double needed = CalcHeight(*memo);
        if (needed > memo->GetHeight())
            memo->SetHeight(needed);
    }
}

void TfrxEngine::FlowText(TfrxCustomMemoView& Memo)
{
    TfrxCustomMemoView* target = Memo.GetFlowTo();
    if (!target || target == &Memo)
        return;
    const bool known = std::any_of(FFlowTargets.begin(), FFlowTargets.end(),
                                   [target](const FlowTarget& t) { return t.FMemo.Get() == target; });
    if (!known) {
        FlowTarget original;
        original.FMemo.Set(target);
        original.FText = target->GetMemo();
        original.FAllowExpressions = target->GetAllowExpressions();
        FFlowTargets.append(original);
    }
    TfrxMemoPart part;
    InitPart(Memo, part);
    DrawPart(Memo, part);
    target->SetMemo(part.FLines);
    target->SetAllowExpressions(false);
}

void TfrxEngine::RestoreFlowTargets()
{
    for (const FlowTarget& original : std::exchange(FFlowTargets, {}))
        if (TfrxCustomMemoView* memo = original.FMemo.Get()) {
            memo->SetMemo(original.FText);
            memo->SetAllowExpressions(original.FAllowExpressions);
        }
}

void TfrxEngine::UnprepareBand(TfrxBand& Band, const QList<TfrxComponent*>& Objects)
{
    // Runs while an exception may be passing: the objects must get their state back whatever
    // the script does, so errors of the after-print handlers are recorded, not raised.
    const auto guarded = [this](auto&& step) {
        try {
            step();
        } catch (const Exception& e) {
            FReport.AddError(e.message());
        }
    };
    for (TfrxComponent* object : Objects)
        if (auto* component = dynamic_cast<TfrxReportComponent*>(object)) {
            FReport.SetCurObject(component->GetName());
            if (Band.GetVisible())
                guarded([&] { RunEvent(component->GetOnAfterPrint(), component); });
            component->AfterPrint();
        }
    FReport.SetCurObject(Band.GetName());
    guarded([&] { RunEvent(Band.GetOnAfterPrint(), &Band); });
    Band.AfterPrint();
    FCurBand = nullptr;
}
