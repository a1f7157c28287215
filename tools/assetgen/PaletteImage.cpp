#include "tools/assetgen/PaletteImage.h"

#include <QHash>
#include <QList>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr int kPaletteSize = 256;

struct ColourCount {
    std::array<int, 3> channels;
    qint64 count;
};

// A run of colours [begin, end) of the histogram that one palette entry will stand for.
struct Box {
    size_t begin;
    size_t end;
    double priority = -1;
};

std::vector<ColourCount> histogram(const QImage& image)
{
    QHash<QRgb, qint64> counts;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++counts[line[x] | 0xFF000000u];
    }
    std::vector<ColourCount> colours;
    colours.reserve(counts.size());
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        colours.push_back({{qRed(it.key()), qGreen(it.key()), qBlue(it.key())}, it.value()});
    // The hash's order changes from run to run; a fixed order keeps the generated files identical.
    std::sort(colours.begin(), colours.end(),
              [](const ColourCount& a, const ColourCount& b) { return a.channels < b.channels; });
    return colours;
}

int widestChannel(const std::vector<ColourCount>& colours, const Box& box, int* range)
{
    int best = 0;
    *range = -1;
    for (int c = 0; c < 3; ++c) {
        const auto [low, high] = std::minmax_element(
            colours.begin() + box.begin, colours.begin() + box.end,
            [c](const ColourCount& a, const ColourCount& b) { return a.channels[c] < b.channels[c]; });
        const int span = high->channels[c] - low->channels[c];
        if (span > *range) {
            *range = span;
            best = c;
        }
    }
    return best;
}

// Boxes that span many shades and many pixels are split first: thin antialiased print keeps enough
// entries, and the large flat areas of paper stay exact.
double splitPriority(const std::vector<ColourCount>& colours, const Box& box)
{
    if (box.end - box.begin < 2)
        return -1;
    int range = 0;
    widestChannel(colours, box, &range);
    qint64 pixels = 0;
    for (size_t i = box.begin; i < box.end; ++i)
        pixels += colours[i].count;
    return range * std::sqrt(double(pixels));
}

// Sorts the box along its widest channel and cuts it where half of its pixels lie on each side.
std::pair<Box, Box> split(std::vector<ColourCount>& colours, const Box& box)
{
    int range = 0;
    const int channel = widestChannel(colours, box, &range);
    std::sort(colours.begin() + box.begin, colours.begin() + box.end,
              [channel](const ColourCount& a, const ColourCount& b) {
                  return a.channels[channel] < b.channels[channel];
              });
    qint64 total = 0;
    for (size_t i = box.begin; i < box.end; ++i)
        total += colours[i].count;
    qint64 running = 0;
    size_t cut = box.begin + 1;
    for (size_t i = box.begin; i < box.end - 1; ++i) {
        running += colours[i].count;
        cut = i + 1;
        if (2 * running >= total)
            break;
    }
    Box first{box.begin, cut};
    Box second{cut, box.end};
    first.priority = splitPriority(colours, first);
    second.priority = splitPriority(colours, second);
    return {first, second};
}

QRgb meanColour(const std::vector<ColourCount>& colours, const Box& box)
{
    std::array<double, 3> sum{};
    double pixels = 0;
    for (size_t i = box.begin; i < box.end; ++i) {
        for (int c = 0; c < 3; ++c)
            sum[c] += double(colours[i].channels[c]) * colours[i].count;
        pixels += colours[i].count;
    }
    return qRgb(int(std::lround(sum[0] / pixels)), int(std::lround(sum[1] / pixels)),
                int(std::lround(sum[2] / pixels)));
}

QList<QRgb> medianCut(std::vector<ColourCount>& colours)
{
    Box all{0, colours.size()};
    all.priority = splitPriority(colours, all);
    std::vector<Box> boxes = {all};
    while (boxes.size() < kPaletteSize) {
        const auto widest = std::max_element(
            boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.priority < b.priority; });
        if (widest->priority < 0)
            break;
        const auto [first, second] = split(colours, *widest);
        *widest = first;
        boxes.push_back(second);
    }
    QList<QRgb> palette;
    for (const Box& box : boxes)
        palette.push_back(meanColour(colours, box));
    return palette;
}

} // namespace

QImage toPalette(const QImage& image)
{
    const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    std::vector<ColourCount> colours = histogram(opaque);
    QList<QRgb> palette = medianCut(colours);
    while (palette.size() < kPaletteSize)
        palette.push_back(qRgb(0, 0, 0));
    return opaque.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
}
