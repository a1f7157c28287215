#pragma once

#include "report/model/TfrxTypes.h"

#include <QColor>

// A report colour (0x00BBGGRR, or a system colour by index when the top byte is 0xFF) as a Qt
// colour; clNone gives a fully transparent colour.
QColor toQColor(TColor color);
