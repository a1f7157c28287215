#pragma once

#include <QByteArray>
#include <QString>

// Replaces FileName by Data without ever leaving a half-written file: the bytes go to a new file
// in the same folder, which takes FileName's place only once every byte was written. On failure
// the previous file stays as it was and Exception ("Cannot create file …") is thrown.
void writeFileSafely(const QString& FileName, const QByteArray& Data);
