#include "report/model/TfrxReport.h"

#include "report/model/ReportErrors.h"
#include "report/model/TfrxCustomEngine.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/TfrxReportParts.h"
#include "report/model/TfrxDataPage.h"
#include "report/model/TfrxPropertyTable.h"
#include "report/model/TfrxReportScriptBinding.h"
#include "report/model/resources/TfrxResources.h"

#include <algorithm>

TfrxReport::TfrxReport(TfrxComponent* AOwner)
    : TfrxComponent(AOwner), FScript(std::make_unique<TfrxReportScriptBinding>(*this))
{
    IncludeComponentStyle(csHandlesNestedProperties);
    Clear();
    const TfrxReportParts& parts = frxReportParts();
    if (parts.CreatePreviewPages)
        FPreviewPages = parts.CreatePreviewPages(*this);
    if (parts.CreateEngine)
        FEngine = parts.CreateEngine(*this);
    if (FEngine && FPreviewPages) {
        FEngine->SetPreviewPages(FPreviewPages.get());
        FPreviewPages->SetEngine(FEngine.get());
    }
}

TfrxReport::~TfrxReport()
{
    // The store's copies point at the template objects.
    FEngine.reset();
    FPreviewPages.reset();
    // The children unregister from FNamedComponents, which must still exist.
    DeleteChildren();
    for (TfrxComponent* outside : FNamedComponents)
        outside->FNamingOwner = nullptr;
}

const TfrxPropertyList& TfrxReport::ClassProperties()
{
    using R = TfrxReport;
    static const TfrxPropertyList list =
        TfrxPropertyTable<R>(TfrxComponent::ClassProperties())
            .String("Version", &R::GetVersion, &R::SetVersion)
            .String("ParentReport", &R::GetParentReport, &R::SetParentReport)
            .Reference("DataSet", "TfrxDataSet", &R::GetDataSet, &R::SetDataSet)
            .String("DataSetName", &R::GetDataSetName, &R::SetDataSetName)
            .Boolean("DotMatrixReport", &R::GetDotMatrixReport, &R::SetDotMatrixReport)
            .Boolean("CaseSensitiveExpressions", &R::GetCaseSensitiveExpressions,
                     &R::SetCaseSensitiveExpressions)
            .Default(false)
            .Object(pkObject, "EngineOptions", "TfrxEngineOptions", &R::GetEngineOptions)
            .String("IniFile", &R::GetIniFile, &R::SetIniFile)
            .Boolean("OldStyleProgress", &R::GetOldStyleProgress, &R::SetOldStyleProgress)
            .Default(false)
            .Object(pkObject, "PreviewOptions", "TfrxPreviewOptions", &R::GetPreviewOptions)
            .Object(pkObject, "PrintOptions", "TfrxPrintOptions", &R::GetPrintOptions)
            .Object(pkObject, "ReportOptions", "TfrxReportOptions", &R::GetReportOptions)
            .String("ScriptLanguage", &R::GetScriptLanguage, &R::SetScriptLanguage)
            .Strings("ScriptText", &R::GetScriptText, &R::SetScriptText)
            .Boolean("ShowProgress", &R::GetShowProgress, &R::SetShowProgress)
            .Default(true)
            .Boolean("StoreInDFM", &R::GetStoreInDFM, &R::SetStoreInDFM)
            .Default(true)
            .Event("OnRunDialogs", &R::GetOnRunDialogs, &R::SetOnRunDialogs)
            .Event("OnStartReport", &R::GetOnStartReport, &R::SetOnStartReport)
            .Event("OnStopReport", &R::GetOnStopReport, &R::SetOnStopReport)
            .Event("OnReportPrint", &R::GetOnReportPrint, &R::SetOnReportPrint)
            .Build();
    return list;
}

QString TfrxReport::GetDescription() const
{
    return frxGet(QStringLiteral("obReport"));
}

void TfrxReport::Clear()
{
    TfrxComponent::Clear();
    FDataSets.Clear();
    FVariables.Clear();
    FStyles.Clear();
    FEngineOptions.Clear();
    FPreviewOptions.Clear();
    FPrintOptions.Clear();
    FReportOptions.Clear();
    FDataSet.Set(nullptr);
    FDataSetName.clear();
    FDotMatrixReport = false;
    FParentReport.clear();
    FScriptLanguage = QStringLiteral("PascalScript");
    FScriptText = QStringList{QStringLiteral("begin"), QString(), QStringLiteral("end.")};
    FCaseSensitiveExpressions = false;
    FSysVariables =
        QStringList{QStringLiteral("Date"),  QStringLiteral("Time"),       QStringLiteral("Page"),
                    QStringLiteral("Page#"), QStringLiteral("TotalPages"), QStringLiteral("TotalPages#"),
                    QStringLiteral("Line"),  QStringLiteral("Line#"),      QStringLiteral("CopyName#")};
    FOnRunDialogs.clear();
    FOnStartReport.clear();
    FOnStopReport.clear();
}

void TfrxReport::CheckDataPage()
{
    const QList<TfrxComponent*> all = GetAllObjects();
    if (std::any_of(all.begin(), all.end(), [](TfrxComponent* c) { return dynamic_cast<TfrxDataPage*>(c); }))
        return;
    auto* page = new TfrxDataPage(this);
    if (page->IsNameTaken(QStringLiteral("Data")))
        page->CreateUniqueName();
    else
        page->SetName(QStringLiteral("Data"));
    MoveChild(page, 0);
}

TfsVariant TfrxReport::Calc(const QString& Expr)
{
    return FScript->Calc(Expr);
}

TfrxPage* TfrxReport::GetPages(int Index) const
{
    return dynamic_cast<TfrxPage*>(GetObjects().at(Index));
}

void TfrxReport::AddError(const QString& message)
{
    frxAddError(FErrors, message);
}

void TfrxReport::AssignProperties(const TfrxComponent& Source)
{
    TfrxComponent::AssignProperties(Source);
    const auto* report = dynamic_cast<const TfrxReport*>(&Source);
    if (!report)
        return;
    FDataSets.Assign(report->FDataSets);
    FVariables.Assign(report->FVariables);
    FStyles.Assign(report->FStyles);
}
