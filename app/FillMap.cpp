#include "app/FillMap.h"

namespace {
using S = FillMapEntry::Source;
constexpr auto C = FillMapEntry::Align::Centre;
constexpr auto L = FillMapEntry::Align::Left;

const FillMapEntry kFillMap[] = {
    {"Memo1", 30.24, 25.46, 445.98, 11, true, false, C, S::Edit, 1},
    {"Memo2", 71.81, 43.35, 328.82, 11, true, false, C, S::Edit, 2},
    {"Memo3", 117.17, 67.03, 283.46, 11, true, false, C, S::Edit, 3},
    {"Memo4", 75.59, 132.28, 49.13, 13, false, true, C, S::Edit, 4},
    {"Memo5", 79.37, 160.52, 321.26, 13, true, false, C, S::Edit, 5},
    {"Memo6", 83.15, 184.42, 22.68, 11, true, false, C, S::Day, 1},
    {"Memo7", 109.61, 184.42, 64.25, 11, true, false, C, S::Month, 1},
    {"Memo8", 181.42, 184.42, 49.13, 11, true, false, C, S::Year, 1},
    {"Memo9", 272.13, 188.20, 22.68, 11, true, false, C, S::Day, 2},
    {"Memo10", 301.14, 188.20, 68.03, 11, true, false, C, S::Month, 2},
    {"Memo11", 370.39, 188.20, 52.91, 11, true, false, C, S::Year, 2},
    {"Memo12", 56.69, 236.24, 332.60, 11, true, false, C, S::Edit, 6},
    {"Memo13", 351.50, 377.95, 37.80, 11, false, false, C, S::Hours, 1},
    {"Memo14", 351.50, 398.41, 37.80, 11, false, false, C, S::Hours, 2},
    {"Memo15", 351.50, 417.09, 37.80, 11, false, false, C, S::Hours, 3},
    {"Memo16", 351.50, 433.81, 37.80, 11, false, false, C, S::Hours, 4},
    {"Memo17", 351.50, 472.44, 37.80, 11, false, false, C, S::Hours, 5},
    {"Memo18", 351.50, 510.24, 37.80, 11, false, false, C, S::Hours, 6},
    {"Memo19", 351.50, 540.85, 37.80, 11, false, false, C, S::Hours, 7},
    {"Memo20", 351.50, 578.27, 37.80, 11, false, false, C, S::Hours, 8},
    {"Memo21", 351.50, 608.50, 37.80, 11, false, false, C, S::Hours, 9},
    {"Memo22", 351.50, 637.74, 37.80, 11, false, false, C, S::Hours, 10},
    {"Memo23", 351.50, 653.86, 37.80, 11, false, false, C, S::Total, 11},
    {"Memo24", 181.42, 670.98, 22.68, 11, false, false, C, S::Day, 3},
    {"Memo25", 207.87, 670.98, 64.25, 11, false, false, C, S::Month, 3},
    {"Memo26", 306.14, 670.98, 45.35, 11, false, false, C, S::Year, 3},
    {"Memo27", 359.06, 695.65, 117.17, 11, false, false, C, S::Edit, 9},
    {"Memo_day", 51.02, 320.26, 22.68, 11, true, false, C, S::Day, 4},
    {"Memo_month", 75.21, 320.26, 64.25, 11, true, false, C, S::Month, 4},
    {"Memo_year", 151.18, 320.26, 56.69, 11, true, false, C, S::Year, 4},
    {"Memo28", 392.07, 377.95, 68.03, 11, false, false, C, S::Choice, 1},
    {"Memo29", 392.07, 398.41, 68.03, 11, false, false, C, S::Choice, 2},
    {"Memo30", 393.07, 417.09, 68.03, 11, false, false, C, S::Choice, 3},
    {"Memo31", 391.07, 433.43, 68.03, 11, false, false, C, S::Choice, 4},
    {"Memo32", 390.07, 472.44, 68.03, 11, false, false, C, S::Choice, 5},
    {"Memo33", 390.07, 510.24, 68.03, 11, false, false, C, S::Choice, 6},
    {"Memo34", 390.07, 540.85, 68.03, 11, false, false, C, S::Choice, 7},
    {"Memo35", 393.07, 578.27, 68.03, 11, false, false, C, S::Choice, 8},
    {"Memo36", 393.07, 608.50, 68.03, 11, false, false, C, S::Choice, 9},
    {"Memo37", 391.07, 637.74, 68.03, 11, false, false, C, S::Choice, 10},
    {"Memo38", 391.07, 653.86, 68.03, 11, false, false, C, S::TotalRowMark, 0},
    {"Memo39", 149.29, 477.22, 30.24, 11, false, false, C, S::Category, 1},
    {"Memo40", 430.87, 86.15, 26.46, 11, false, false, C, S::Category, 1},
    {"Memo41", 430.87, 113.61, 26.46, 11, false, false, C, S::Category, 1},
    {"Memo42", 26.46, 538.58, 147.40, 11, false, false, C, S::Transmission, 0},
    {"Memo_prot", 234.33, 306.14, 158.74, 11, true, false, L, S::Edit, 10},
    {"Memo_cat", 130.39, 287.24, 147.40, 11, true, false, C, S::Edit, 8},
    {"Memo_kval", 211.65, 272.13, 188.98, 11, true, false, C, S::Edit, 7},
};
} // namespace

std::span<const FillMapEntry> fillMap()
{
    return kFillMap;
}
