#pragma once

#include <QWidget>
#include <functional>

// Shows an error that escaped a command in a modal box with the application title, as the
// application's error handler does.
void showCommandError(QWidget* parent, const std::exception& error);

// Runs a command and shows any error it raises. Commands run behind this guard because an
// exception must not unwind through the toolkit's own frames, which are built without cleanup.
void runGuarded(QWidget* parent, const std::function<void()>& command);
