#pragma once

#include <QString>

#include <functional>

// The modal box with the information icon and the caption "Information". It is shown only where a
// widget application runs; elsewhere the text goes to the standard error stream, so that nothing
// waits for a person. Tests and hosts may put their own handler in place; the previous one is
// returned.
using TfrxInfoBoxHandler = std::function<void(const QString& Text)>;
TfrxInfoBoxHandler frxSetInfoBoxHandler(TfrxInfoBoxHandler handler);
void frxInfoBox(const QString& Text);
