#include "app/CommandGuard.h"

#include "app/Dialogs.h"
#include "common/Exception.h"

void showCommandError(QWidget* parent, const std::exception& error)
{
    const auto* own = dynamic_cast<const Exception*>(&error);
    dialogs().showError(parent, own ? own->message() : QString::fromLocal8Bit(error.what()));
}

void runGuarded(QWidget* parent, const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception& error) {
        showCommandError(parent, error);
    }
}
