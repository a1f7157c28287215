#include "report/model/ReportErrors.h"
#include "report/model/TfrxCustomEngine.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportParts.h"
#include "report/model/resources/TfrxResources.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QMetaObject>
#include <QTemporaryFile>

#include <algorithm>
#include <memory>

namespace {

QString missingDataSetMessage(const QString& name)
{
    const QString pattern = frxGet(QStringLiteral("clDSNotExist"));
    return pattern.contains(QLatin1String("%s")) ? formatMessage(pattern, name)
                                                 : pattern + QLatin1Char(' ') + name;
}

// The copy of the whole report that a preparation puts back afterwards, so that nothing the run
// did to the objects reaches the template.
class ReportSnapshot {
public:
    explicit ReportSnapshot(TfrxReport& report) : FReport(report)
    {
        FPassword = report.GetReportOptions()->GetPassword();
        FSplicingLine = report.GetPrintOptions()->GetSplicingLine();
        if (report.GetEngineOptions()->GetUseFileCache()) {
            auto file = std::make_unique<QTemporaryFile>(tempFileTemplate(report));
            if (!file->open())
                throw Exception(QStringLiteral("Cannot create a temporary file for the report"));
            FStream = std::move(file);
        } else {
            auto buffer = std::make_unique<QBuffer>();
            buffer->open(QIODevice::ReadWrite);
            FStream = std::move(buffer);
        }
        report.GetReportOptions()->SetPassword(QString());
        try {
            report.SaveToStream(*FStream, true, false);
        } catch (...) {
            report.GetReportOptions()->SetPassword(FPassword);
            throw;
        }
    }

    // The load's own errors are of no interest: the document is the report's own output. The
    // run's errors are kept across the reload.
    void Restore()
    {
        const QStringList errors = FReport.GetErrors();
        const TfrxDuplexMode duplex = FReport.GetPrintOptions()->GetDuplex();
        const TfrxSilentMode silentMode = FReport.GetEngineOptions()->GetNewSilentMode();
        FReport.GetEngineOptions()->SetNewSilentMode(simSilent);
        FReport.SetReloading(true);
        try {
            FStream->seek(0);
            FReport.LoadFromStream(*FStream);
        } catch (...) {
            putBack(errors, duplex, silentMode);
            throw;
        }
        putBack(errors, duplex, silentMode);
    }

private:
    static QString tempFileTemplate(const TfrxReport& report)
    {
        QString folder = report.GetEngineOptions()->GetTempDir();
        if (folder.isEmpty())
            folder = QDir::tempPath();
        return folder + QStringLiteral("/frXXXXXX");
    }

    void putBack(const QStringList& errors, TfrxDuplexMode duplex, TfrxSilentMode silentMode)
    {
        FReport.SetReloading(false);
        FReport.GetEngineOptions()->SetNewSilentMode(silentMode);
        FReport.GetReportOptions()->SetPassword(FPassword);
        FReport.GetPrintOptions()->SetSplicingLine(FSplicingLine);
        FReport.GetPrintOptions()->SetDuplex(duplex);
        FReport.ClearErrors();
        for (const QString& error : errors)
            FReport.AddError(error);
    }

    TfrxReport& FReport;
    std::unique_ptr<QIODevice> FStream;
    QString FPassword;
    int FSplicingLine = 0;
};

} // namespace

bool TfrxReport::PrepareReport(bool ClearLastReport)
{
    if (!FEngine || !FPreviewPages)
        throw Exception(QStringLiteral("The report engine is not available"));
    if (ClearLastReport)
        FPreviewPages->Clear();
    FErrors.clear();
    FTerminated = false;
    bool result = false;

    for (int i = 0; i < FDataSets.Count(); ++i)
        if (!FDataSets.GetItem(i)->GetDataSet())
            AddError(missingDataSetMessage(FDataSets.GetItem(i)->GetDataSetName()));

    if (FErrors.isEmpty()) {
        std::unique_ptr<ReportSnapshot> snapshot;
        if (FEngineOptions.GetDestroyForms())
            snapshot = std::make_unique<ReportSnapshot>(*this);
        try {
            if (FEngine->PrepareScript()) {
                FEngine->ExecuteMainScript();
                if (!FTerminated)
                    result = FEngine->Run(true, false, nullptr);
            }
        } catch (const Exception& e) {
            AddError(e.message());
        } catch (const std::exception& e) {
            AddError(QString::fromUtf8(e.what()));
        }
        if (snapshot)
            snapshot->Restore();
    }

    if (!FErrors.isEmpty()) {
        result = false;
        frxShowErrors(*this);
    }
    return result;
}

bool TfrxReport::PreparePage(TfrxPage* Page)
{
    if (!FEngine)
        return false;
    return FEngine->Run(false, false, Page);
}

void TfrxReport::ShowReport(bool ClearLastReport)
{
    if (FEngine && FEngine->GetRunning())
        return;
    if (ClearLastReport && FPreviewPages)
        FPreviewPages->Clear();
    const TfrxReportParts& parts = frxReportParts();
    if (parts.ShowPreview)
        parts.ShowPreview(*this, true);
    else
        PrepareReport(false);
}

void TfrxReport::ShowPreparedReport()
{
    const TfrxReportParts& parts = frxReportParts();
    if (parts.ShowPreview)
        parts.ShowPreview(*this, false);
}

void TfrxReport::DesignReport()
{
    const TfrxReportParts& parts = frxReportParts();
    if (parts.DesignReport)
        parts.DesignReport(*this);
}

void TfrxReport::NotifyProgress(const TfrxProgressEvent& handler, const char* previewOperation,
                                int ProgressType, int Progress)
{
    if (GetEngineOptions()->GetEnableThreadSafe())
        return;
    if (handler)
        handler(*this, ProgressType, Progress);
    // The bound preview control shows a preparation as it goes; it lives in a library above this
    // one and is reached by the name of its operation. It counts pages from 0.
    if (ProgressType == 0 && FPreview)
        QMetaObject::invokeMethod(FPreview, previewOperation, Qt::DirectConnection, Q_ARG(int, ProgressType),
                                  Q_ARG(int, std::max(Progress - 1, 0)));
    QCoreApplication::processEvents();
}

bool TfrxReport::UsesProgressWindow(int ProgressType) const
{
    return (FOldStyleProgress || ProgressType != 0) && FShowProgress;
}

QString TfrxReport::ProgressMessage(int ProgressType, int Progress) const
{
    QString key;
    switch (ProgressType) {
    case 0:
        key = FEngine && !FEngine->GetFinalPass() ? QStringLiteral("prRunningFirst")
                                                  : QStringLiteral("prRunning");
        break;
    case 1:
        key = QStringLiteral("prExporting");
        break;
    default:
        key = QStringLiteral("prPrinting");
        break;
    }
    return frxGet(key).replace(QLatin1String("%d"), QString::number(Progress));
}

void TfrxReport::InternalOnProgressStart(int ProgressType)
{
    if (GetEngineOptions()->GetEnableThreadSafe())
        return;
    // One window per report, whatever else starts while it is shown.
    const TfrxReportParts& parts = frxReportParts();
    if (!FProgress && UsesProgressWindow(ProgressType) && parts.CreateProgress)
        FProgress = parts.CreateProgress(*this);
    NotifyProgress(FOnProgressStart, "InternalOnProgressStart", ProgressType, 0);
}

void TfrxReport::InternalOnProgress(int ProgressType, int Progress)
{
    if (GetEngineOptions()->GetEnableThreadSafe())
        return;
    if (FProgress)
        FProgress->SetMessage(ProgressMessage(ProgressType, Progress));
    NotifyProgress(FOnProgress, "InternalOnProgress", ProgressType, Progress);
}

void TfrxReport::InternalOnProgressStop(int ProgressType)
{
    if (GetEngineOptions()->GetEnableThreadSafe())
        return;
    FProgress.reset();
    NotifyProgress(FOnProgressStop, "InternalOnProgressStop", ProgressType, 0);
}
