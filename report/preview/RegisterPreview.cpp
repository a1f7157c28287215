#include "report/preview/RegisterPreview.h"

#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportParts.h"
#include "report/preview/ProgressWindowHook.h"
#include "report/preview/TfrxPreview.h"
#include "report/preview/TfrxPreviewForm.h"
#include "report/preview/TfrxPrintJob.h"

namespace {

bool printPages(TfrxCustomPreviewPages& pages)
{
    TfrxReport& report = pages.GetReport();
    TfrxPrintJob job(report, pages);
    // The pages are rebuilt for printing: the preview must not paint them meanwhile. Whoever
    // started the job unlocks it afterwards.
    job.SetOnLockPreview([&report] {
        if (auto* preview = qobject_cast<TfrxPreview*>(report.GetPreview())) {
            preview->Lock();
            preview->repaint();
        }
    });
    return job.Print();
}

} // namespace

void frxRegisterPreview()
{
    TfrxReportParts& parts = frxReportParts();
    parts.PrintPages = printPages;
    parts.ShowPreview = frxShowPreview;
    parts.CreateProgress = frxCreateProgressWindow;
}
