#pragma once

#include <QByteArray>
#include <QString>

// The C library's converter serves as the reference the profile's own codec is checked against.
QByteArray encodedBySystem(const QString& text, const char* encoding);
QString decodedBySystem(const QByteArray& bytes, const char* encoding);
