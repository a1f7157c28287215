#pragma once

#include <span>

// Where each value of the certificate goes: the named memos of the certificate template with
// their place on the page (report pixels from the printable area), font and alignment, and the
// control whose value they receive. In the order in which the template fill writes them.
struct FillMapEntry {
    enum class Source {
        Edit,             // text of Edit_<index>
        Day,              // two-digit day of DateTimePicker<index>
        Month,            // genitive month name of DateTimePicker<index>
        Year,             // four-digit year of DateTimePicker<index>
        Hours,            // edt_<index>, or the zero-hours mark when it reads "0"
        Total,            // edt_11 as displayed
        Choice,           // displayed text of cmb_<index>
        Transmission,     // displayed text of cmb_kpp
        TotalRowMark,     // always "X"
        Category,         // text of Label1, the category mirror
    };
    enum class Align { Centre, Left };

    const char* name;
    double left, top, width;
    int fontHeight; // character height in pixels
    bool italic, bold;
    Align align;
    Source source;
    int index;
};

std::span<const FillMapEntry> fillMap();

// Every memo of the fill map is this high (4 mm).
inline constexpr double kFillMemoHeight = 15.12;
