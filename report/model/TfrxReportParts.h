#pragma once

#include <QString>

#include <functional>
#include <memory>

class TfrxCustomEngine;
class TfrxCustomPreviewPages;
class TfrxReport;
class TfsObject;

// The separate progress window of a long operation of a report; its Cancel sets the report's
// Terminated. It is closed when destroyed.
class TfrxProgressDisplay {
public:
    virtual ~TfrxProgressDisplay() = default;
    virtual void SetMessage(const QString& text) = 0;
};

// The parts of the report subsystem that live above the object model (engine, prepared pages,
// preview window, print dialog and job, designer) and that a report reaches through its
// operations. Each library registers its parts once at start-up (frxRegisterEngine,
// frxRegisterPreview, frxRegisterDesigner); a part that nobody registered does nothing, so that a
// program built without the designer still prints.
struct TfrxReportParts {
    // The report's engine and prepared-page store, created with the report.
    std::function<std::unique_ptr<TfrxCustomEngine>(TfrxReport&)> CreateEngine;
    std::function<std::unique_ptr<TfrxCustomPreviewPages>(TfrxReport&)> CreatePreviewPages;
    // ShowReport's preview window: shows the report's prepared pages modally, preparing them first
    // when Prepare is set.
    std::function<void(TfrxReport&, bool Prepare)> ShowPreview;
    // The prepared pages' Print: the print dialog and job; true when the pages were printed.
    std::function<bool(TfrxCustomPreviewPages&)> PrintPages;
    // DesignReport's designer window, shown modally on the report.
    std::function<void(TfrxReport&)> DesignReport;
    // The designer on a report that holds a copy of one prepared page (the preview's Edit
    // command); true when the page was modified there.
    std::function<bool(TfrxReport&)> DesignPreviewPage;
    // The progress window of a report's operation, shown until it is destroyed; none where no
    // window can be shown.
    std::function<std::unique_ptr<TfrxProgressDisplay>(TfrxReport&)> CreateProgress;
    // The prepared report's outline as the report's script reaches it ("Outline").
    std::function<std::unique_ptr<TfsObject>(TfrxReport&)> CreateScriptOutline;
};

TfrxReportParts& frxReportParts();
