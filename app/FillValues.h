#pragma once

#include "app/CertificateControls.h"
#include "app/FillMap.h"

#include <QDate>
#include <QString>

// The parts of a date the blank shows in separate boxes.
QString dayText(const QDate& date);   // "05"
QString monthText(const QDate& date); // genitive month name, "марта"
QString yearText(const QDate& date);  // "2019"

// The text a memo of the fill map receives from the controls as they are now.
QString fillValue(const FillMapEntry& entry, const CertificateControls& controls);
