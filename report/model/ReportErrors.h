#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class TfrxReport;

// The error list of a load or a preparation: collected sorted, each message once (ignoring letter
// case), and reported together.
void frxAddError(QStringList& errors, const QString& message);

// "The following error(s) have occured:", CR LF, and every message followed by CR LF.
QString frxErrorListText(const QStringList& errors);

// Reports the report's errors as its EngineOptions.NewSilentMode says: an error box
// (simMessageBoxes), nothing (simSilent), or an Exception carrying the text (simReThrow).
void frxShowErrors(const TfrxReport& report);

// The modal box with the error icon and the caption "Error". It is shown only where a widget
// application runs; elsewhere the text goes to the standard error stream, so that tools without
// windows never wait for a person. Tests and hosts may put their own handler in place; the
// previous one is returned.
using TfrxErrorBoxHandler = std::function<void(const QString& Text)>;
TfrxErrorBoxHandler frxSetErrorBoxHandler(TfrxErrorBoxHandler handler);
void frxErrorBox(const QString& Text);
