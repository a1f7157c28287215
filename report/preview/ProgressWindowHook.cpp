#include "report/preview/ProgressWindowHook.h"

#include "report/model/TfrxReport.h"
#include "report/preview/TfrxProgress.h"

#include <QApplication>

namespace {

class ProgressWindow : public TfrxProgressDisplay {
public:
    explicit ProgressWindow(TfrxReport& report) : FWindow(false)
    {
        QObject::connect(&FWindow, &TfrxProgress::cancelled, &FWindow,
                         [&report] { report.SetTerminated(true); });
        FWindow.show();
    }

    void SetMessage(const QString& text) override { FWindow.SetMessage(text); }

private:
    TfrxProgress FWindow;
};

} // namespace

std::unique_ptr<TfrxProgressDisplay> frxCreateProgressWindow(TfrxReport& Report)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return nullptr;
    return std::make_unique<ProgressWindow>(Report);
}
