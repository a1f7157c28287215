#pragma once

#include "report/model/TfrxPropertyInfo.h"

#include <QList>
#include <QString>

// The PropData attribute: an object's byte blocks (a picture's "Data") in upper-case hexadecimal.
// Each block is a length byte and the UTF-8 name, the type byte 0x0A, a 4-byte little-endian
// length and the bytes.
QString encodePropData(const QList<TfrxBinaryProperty>& blocks);
// The blocks up to the first damaged one; none when the text is not hexadecimal.
QList<TfrxBinaryProperty> decodePropData(const QString& hex);
