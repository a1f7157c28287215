#pragma once

#include "report/model/TfrxPropertyInfo.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <QVariant>

// How template attributes spell property values.

// The general format: at most 15 significant digits, no trailing zeros, no thousands separator;
// scientific notation ("1,5E-7") only below 0.00001 and from 1E15 up.
QString floatToText(double value, QChar decimalSeparator);
// Every "," and "." counts as the decimal separator and spaces are ignored, so that files written
// under any number settings read back. Throws Exception with the conversion message.
double textToFloat(const QString& text);

// The attribute value of an ordinal, floating-point, string, event or variant property; floats
// take the decimal separator of the user's number format.
QString propertyValueToText(const TfrxPropertyInfo& property, const QVariant& value);
// Throws Exception with the conversion message when the text is no value of the property's kind.
QVariant propertyValueFromText(const TfrxPropertyInfo& property, const QString& text);

// Lists of strings travel as one text: the lines joined with CR LF, without a final break.
QString joinLines(const QStringList& lines);
// Lines end at CR LF, CR or LF; a final break makes no empty last line.
QStringList splitLines(const QString& text);
