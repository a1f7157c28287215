#pragma once

#include <span>

// One entry of the standard paper table: a paper number (the paper-size code that report files
// store) and its portrait size in tenths of a millimetre.
struct TfrxPaperInfo {
    int Number;
    const char* Name;
    int Width;
    int Height;
};

// The 66 standard papers, in table order.
std::span<const TfrxPaperInfo> frxPaperTable();

// Portrait width and height in millimetres of a standard paper; false when the number is not in
// the table (the table has no 48, 49 or 256).
bool frxGetPaperDimensions(int paperSize, double& widthMm, double& heightMm);
