#include "app/CertApplication.h"

#include "app/CommandGuard.h"
#include "report/engine/EngineRegistration.h"
#include "report/preview/RegisterPreview.h"

CertApplication::CertApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // Before the main window creates its report, which takes its engine from the registry.
    frxRegisterEngine();
    frxRegisterPreview();
}

bool CertApplication::notify(QObject* receiver, QEvent* event)
{
    // The last line of defence: commands catch their own errors (see runGuarded).
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showCommandError(activeWindow(), error);
    }
    return false;
}
