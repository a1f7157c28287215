#pragma once

#include "report/model/TfrxComponent.h"
#include "report/model/TfrxEngineOptions.h"
#include "report/model/TfrxObjectRef.h"
#include "report/model/TfrxPreviewOptions.h"
#include "report/model/TfrxPrintOptions.h"
#include "report/model/TfrxReportCollections.h"
#include "report/model/TfrxReportOptions.h"
#include "report/model/TfrxReportParts.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>

#include <functional>

class TfrxCustomEngine;
class TfrxCustomPreviewPages;
class TfrxPage;
class TfrxReportScriptBinding;
class TfsVariant;

// The root of a report: its pages are its children. It is the naming owner of every object
// created inside it. Loading, preparing, showing and designing are added by other parts of the
// report subsystem; this class holds the report's data.
class TfrxReport : public TfrxComponent {
public:
    explicit TfrxReport(TfrxComponent* AOwner = nullptr);
    ~TfrxReport() override;

    QString GetClassName() const override { return QStringLiteral("TfrxReport"); }
    const TfrxPropertyList& GetProperties() const override { return ClassProperties(); }
    static const TfrxPropertyList& ClassProperties();
    QString GetDescription() const override;

    // Destroys the pages and resets the report's settings, except IniFile, Version, the progress
    // and storage flags, Preview, FileName, Errors and the preview window's own options.
    void Clear() override;
    // Gives a report without a data page one named Data (or DataPage<n> when Data is taken),
    // as its first page.
    void CheckDataPage();

    // Clears the report and forgets FileName; then, when the file exists or ExceptionIfNotFound is
    // set (a missing file then throws), reads it with LoadFromStream and remembers FileName.
    // True when the file existed. (TfrxReportLoading.cpp)
    bool LoadFromFile(const QString& FileName, bool ExceptionIfNotFound = false);
    // Replaces the whole tree and the settings the template stores by the template read from
    // Stream; IniFile, the progress and storage flags and most engine and preview options stay.
    // The errors met are collected in Errors and reported once, as NewSilentMode says. Leaves at
    // least the data page, also after a broken template; a protected template asks for its password.
    void LoadFromStream(QIODevice& Stream) override;
    // Writes the template to a file of the same folder first and replaces FileName with it only once
    // it is complete, so that a failed save leaves the previous file as it was. Throws Exception.
    void SaveToFile(const QString& FileName);
    // The template as a UTF-8 document with indentation; UseGetAncestor has no effect.
    void SaveToStream(QIODevice& Stream, bool SaveChildren = true, bool SaveDefaultValues = false,
                      bool UseGetAncestor = false) override;
    void WriteNestedProperties(TfrxXMLItem& Item, const TfrxXMLSerializer& Serializer) const override;
    bool ReadNestedProperty(const TfrxXMLItem& Item, TfrxXMLSerializer& Serializer) override;
    // Set while the engine or the designer reloads the report from its own copy: no password asked.
    bool GetReloading() const { return FReloading; }
    void SetReloading(bool value) { FReloading = value; }

    // The engine and the prepared pages, created with the report when the engine library is
    // registered (frxRegisterEngine); none otherwise. (TfrxReportPreparing.cpp)
    TfrxCustomEngine* GetEngine() const { return FEngine.get(); }
    TfrxCustomPreviewPages* GetPreviewPages() const { return FPreviewPages.get(); }
    // Prepares the report into its prepared pages and puts the report back as it was before; true
    // when the run finished and no error was recorded. The errors are reported once, as
    // NewSilentMode says. Object references taken before the call are not valid afterwards.
    bool PrepareReport(bool ClearLastReport = true);
    // Runs the engine for that page template only, appending to the prepared pages.
    bool PreparePage(TfrxPage* Page);
    // Set to stop a running preparation at its next page.
    bool GetTerminated() const { return FTerminated; }
    void SetTerminated(bool value) { FTerminated = value; }
    // Prepares and shows the preview window (when one is registered; without one it only
    // prepares); nothing while a preparation is running.
    void ShowReport(bool ClearLastReport = true);
    // Shows what is prepared in the preview window, when one is registered.
    void ShowPreparedReport();
    // Opens the registered designer on the report modally; nothing when none is registered.
    void DesignReport();
    // Progress of a preparation (type 0), an export (1) or a print job (2); Progress is the page
    // number. Each calls the host's handler, then lets pending window messages run so that
    // windows repaint and Cancel buttons work; with EngineOptions.EnableThreadSafe all do nothing.
    using TfrxProgressEvent = std::function<void(TfrxReport& Sender, int ProgressType, int Progress)>;
    void SetOnProgressStart(TfrxProgressEvent value) { FOnProgressStart = std::move(value); }
    void SetOnProgress(TfrxProgressEvent value) { FOnProgress = std::move(value); }
    void SetOnProgressStop(TfrxProgressEvent value) { FOnProgressStop = std::move(value); }
    void InternalOnProgressStart(int ProgressType);
    void InternalOnProgress(int ProgressType, int Progress);
    void InternalOnProgressStop(int ProgressType);
    // Makes the printer that PrintOptions.Printer names (ignoring letter case) the current one; a
    // name that is no printer of the list leaves the current printer. (TfrxReportPrinting.cpp)
    void SelectPrinter() const;

    int GetPagesCount() const { return static_cast<int>(GetObjects().size()); }
    // None when the child at index is not a page.
    TfrxPage* GetPages(int Index) const;

    // Always "5.6.1"; setting it has no effect.
    QString GetVersion() const { return QStringLiteral("5.6.1"); }
    void SetVersion(const QString&) {}
    const QString& GetParentReport() const { return FParentReport; }
    void SetParentReport(const QString& value) { FParentReport = value; }
    TfrxComponent* GetDataSet() const { return FDataSet.Get(); }
    void SetDataSet(TfrxComponent* value) { FDataSet.Set(value); }
    const QString& GetDataSetName() const { return FDataSetName; }
    void SetDataSetName(const QString& value) { FDataSetName = value; }
    bool GetDotMatrixReport() const { return FDotMatrixReport; }
    void SetDotMatrixReport(bool value) { FDotMatrixReport = value; }
    const QString& GetIniFile() const { return FIniFile; }
    void SetIniFile(const QString& value) { FIniFile = value; }
    bool GetOldStyleProgress() const { return FOldStyleProgress; }
    void SetOldStyleProgress(bool value) { FOldStyleProgress = value; }
    // A preview control to use instead of the preview window; reads as none once it is destroyed.
    QObject* GetPreview() const { return FPreview; }
    void SetPreview(QObject* value) { FPreview = value; }
    const QString& GetScriptLanguage() const { return FScriptLanguage; }
    void SetScriptLanguage(const QString& value) { FScriptLanguage = value; }
    const QStringList& GetScriptText() const { return FScriptText; }
    void SetScriptText(const QStringList& value) { FScriptText = value; }
    // Whether expression texts differing only in letter case are compiled apart.
    bool GetCaseSensitiveExpressions() const { return FCaseSensitiveExpressions; }
    void SetCaseSensitiveExpressions(bool value) { FCaseSensitiveExpressions = value; }
    bool GetShowProgress() const { return FShowProgress; }
    void SetShowProgress(bool value) { FShowProgress = value; }
    bool GetStoreInDFM() const { return FStoreInDFM; }
    void SetStoreInDFM(bool value) { FStoreInDFM = value; }
    const QString& GetOnRunDialogs() const { return FOnRunDialogs; }
    void SetOnRunDialogs(const QString& value) { FOnRunDialogs = value; }
    const QString& GetOnStartReport() const { return FOnStartReport; }
    void SetOnStartReport(const QString& value) { FOnStartReport = value; }
    const QString& GetOnStopReport() const { return FOnStopReport; }
    void SetOnStopReport(const QString& value) { FOnStopReport = value; }
    const QString& GetOnReportPrint() const { return FOnReportPrint; }
    void SetOnReportPrint(const QString& value) { FOnReportPrint = value; }

    TfrxEngineOptions* GetEngineOptions() { return &FEngineOptions; }
    const TfrxEngineOptions* GetEngineOptions() const { return &FEngineOptions; }
    TfrxPreviewOptions* GetPreviewOptions() { return &FPreviewOptions; }
    const TfrxPreviewOptions* GetPreviewOptions() const { return &FPreviewOptions; }
    TfrxPrintOptions* GetPrintOptions() { return &FPrintOptions; }
    const TfrxPrintOptions* GetPrintOptions() const { return &FPrintOptions; }
    TfrxReportOptions* GetReportOptions() { return &FReportOptions; }
    const TfrxReportOptions* GetReportOptions() const { return &FReportOptions; }

    TfrxReportDataSets& GetDataSets() { return FDataSets; }
    const TfrxReportDataSets& GetDataSets() const { return FDataSets; }
    TfrxVariables& GetVariables() { return FVariables; }
    const TfrxVariables& GetVariables() const { return FVariables; }
    TfrxStyles& GetStyles() { return FStyles; }
    const TfrxStyles& GetStyles() const { return FStyles; }

    // The messages of the last load, sorted, each once (ignoring letter case).
    const QStringList& GetErrors() const { return FErrors; }
    void AddError(const QString& message);
    void ClearErrors() { FErrors.clear(); }
    const QString& GetFileName() const { return FFileName; }
    void SetFileName(const QString& value) { FFileName = value; }
    bool GetModified() const { return FModified; }
    void SetModified(bool value) { FModified = value; }
    // The report's script and expression cache, created with the report.
    TfrxReportScriptBinding& GetScript() { return *FScript; }
    // The value of an expression as the report's script sees it (TfrxReportScriptBinding::Calc).
    TfsVariant Calc(const QString& Expr);
    // The name of the object being processed, which prefixes expression errors.
    const QString& GetCurObject() const { return FCurObject; }
    void SetCurObject(const QString& value) { FCurObject = value; }
    // Date, Time, Page, Page#, TotalPages, TotalPages#, Line, Line#, CopyName#.
    const QStringList& GetSysVariables() const { return FSysVariables; }

protected:
    void AssignProperties(const TfrxComponent& Source) override;

private:
    friend class TfrxComponent;

    void NotifyProgress(const TfrxProgressEvent& handler, const char* previewOperation, int ProgressType,
                        int Progress);
    bool UsesProgressWindow(int ProgressType) const;
    QString ProgressMessage(int ProgressType, int Progress) const;

    QString FParentReport;
    TfrxObjectRef<TfrxComponent> FDataSet;
    QString FDataSetName;
    bool FDotMatrixReport = false;
    TfrxEngineOptions FEngineOptions;
    QString FIniFile = QStringLiteral("\\Software\\Orvanta");
    bool FOldStyleProgress = false;
    QPointer<QObject> FPreview;
    TfrxPreviewOptions FPreviewOptions;
    TfrxPrintOptions FPrintOptions;
    TfrxReportOptions FReportOptions;
    QString FScriptLanguage;
    QStringList FScriptText;
    bool FCaseSensitiveExpressions = false;
    bool FShowProgress = true;
    bool FStoreInDFM = true;
    QString FOnRunDialogs;
    QString FOnStartReport;
    QString FOnStopReport;
    QString FOnReportPrint;
    TfrxReportDataSets FDataSets;
    TfrxVariables FVariables;
    TfrxStyles FStyles;
    QStringList FErrors;
    QString FFileName;
    bool FModified = false;
    bool FReloading = false;
    bool FTerminated = false;
    TfrxProgressEvent FOnProgressStart;
    TfrxProgressEvent FOnProgress;
    TfrxProgressEvent FOnProgressStop;
    std::unique_ptr<TfrxProgressDisplay> FProgress;
    std::unique_ptr<TfrxCustomPreviewPages> FPreviewPages;
    std::unique_ptr<TfrxCustomEngine> FEngine;
    QStringList FSysVariables;
    // Every object created inside the report, in or out of its tree, for the naming rules.
    QSet<TfrxComponent*> FNamedComponents;
    QString FCurObject;
    std::unique_ptr<TfrxReportScriptBinding> FScript;
};
