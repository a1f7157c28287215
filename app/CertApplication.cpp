#include "app/CertApplication.h"

#include "app/Dialogs.h"
#include "common/Exception.h"

CertApplication::CertApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool CertApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const Exception& error) {
        dialogs().showError(activeWindow(), error.message());
    } catch (const std::exception& error) {
        dialogs().showError(activeWindow(), QString::fromLocal8Bit(error.what()));
    }
    return false;
}
