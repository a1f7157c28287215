#pragma once

#include <cstdint>

// Conversions from floating-point values to device pixels round to the nearest integer with
// ties going to the even neighbour (2.5 -> 2, 3.5 -> 4).
int64_t roundHalfEven(double value);

// Truncation towards zero.
int64_t truncToward0(double value);

// Report units: 96 report pixels per inch.
inline constexpr double kPixelsPerMm = 3.77953;
inline constexpr double kPixelsPerCm = 37.7953;
inline constexpr double kReportDpi = 96.0;
