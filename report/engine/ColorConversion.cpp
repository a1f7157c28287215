#include "report/engine/ColorConversion.h"

#include <array>

namespace {

// The classic desktop scheme's system colours, indexed as report files number them.
constexpr std::array<uint32_t, 31> kSystemColors = {
    0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x3399FF, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x434E54, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xFFFFE1, 0x000000, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0};

} // namespace

QColor toQColor(TColor color)
{
    if (color == clNone)
        return QColor(0, 0, 0, 0);
    const uint32_t value = static_cast<uint32_t>(color);
    if ((value >> 24) == 0xFF) {
        const uint32_t index = value & 0xFFFFFF;
        const uint32_t rgb = index < kSystemColors.size() ? kSystemColors[index] : 0;
        return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    }
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}
