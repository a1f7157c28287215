#pragma once

#include "app/profile/TextEncoding.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Tells the encoding of a file's bytes: a byte-order mark decides; otherwise bytes that are valid UTF-8 and
// not plain ASCII are UTF-8, and anything else is Windows-1251. Plain ASCII counts as Windows-1251 so that
// Cyrillic written into such a file later stays readable by the Windows program.
TextEncoding detectEncoding(const QByteArray& bytes);

// The text of a file's bytes in the given encoding, without the byte-order mark. Windows-1251 and UTF-16
// decode every byte sequence reversibly, so a rewritten file keeps untouched lines byte for byte.
QString decodeText(const QByteArray& bytes, TextEncoding encoding);

// The bytes of a file holding the text, with the encoding's byte-order mark; no value when a character
// cannot be represented (only Windows-1251 can fail).
std::optional<QByteArray> encodeText(const QString& text, TextEncoding encoding);
