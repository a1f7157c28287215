#pragma once

#include <QString>
#include <functional>

// The library every script reaches (fsGlobalUnit, TfsScript.h): the types, the constants
// True, False, nil, Null and varEmpty … varByRef, and the system functions. Nothing in it reaches
// the file system, processes or the network: ExtractFilePath only takes a text apart.

// ShowMessage hands its text to this handler; without one it shows nothing. The user interface
// sets it to show a message box.
void setShowMessageHandler(std::function<void(const QString&)> handler);
