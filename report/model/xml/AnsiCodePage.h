#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The system's 8-bit code page of older report files: Windows-1251, the Russian one, on every target
// system. Each of the 256 bytes maps to its own character (the one unassigned byte, 0x98, to U+0098), so
// bytes → text → bytes is lossless, which decoding UTF-8 smuggled inside 8-bit text relies on.
QString ansiToString(QByteArrayView bytes);

// Characters the code page lacks become "?".
QByteArray stringToAnsi(QStringView text);

// Older files kept some values as UTF-8 bytes inside 8-bit text: takes the value's 8-bit bytes back and
// reads them as UTF-8.
QString decodeAnsiAsUtf8(QStringView text);
