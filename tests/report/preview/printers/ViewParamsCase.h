#pragma once

#include "report/preview/printers/TPrinterOrientation.h"

// One row of the SetViewParams tables: what is asked for and the paper the printer then describes.
struct ViewCase {
    int paper;
    double width;
    double height;
    TPrinterOrientation orientation;
    int expectedPaper;
    double expectedWidth;
    double expectedHeight;
};
