#include "app/CertApplication.h"

#include "app/CommandGuard.h"

CertApplication::CertApplication(int& argc, char** argv) : QApplication(argc, argv) {}

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
