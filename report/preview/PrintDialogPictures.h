#pragma once

#include "report/model/TfrxTypes.h"

#include <QPixmap>

// The pictures of the print dialog, drawn rather than stored.

// Three numbered sheets twice over: two stacks 1-2-3 when collated, 1-1, 2-2, 3-3 otherwise.
QPixmap frxCopiesPicture(bool collated);

// 64 × 32: how a print mode puts pages on sheets.
QPixmap frxPrintModePicture(TfrxPrintMode mode);

// 16 × 16: the printer beside each name of the printer list.
QPixmap frxPrinterPicture();
