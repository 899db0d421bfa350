#include "AppSwitcherLayout.h"

#include <algorithm>
#include <cmath>

namespace springboard {

namespace {

constexpr double kSwitcherMargin = 16;
constexpr double kGap = 14;
constexpr double kNameGap = 4;
constexpr double kLargestScale = 0.5;

// The largest scale at which `count` cards fit in `columns` columns.
double scaleFor(CGSize screen, size_t count, size_t columns)
{
    size_t const rows = (count + columns - 1) / columns;
    double const width = (screen.width - 2 * kSwitcherMargin - kGap * static_cast<double>(columns - 1)) / static_cast<double>(columns);
    double const rowsHeight = screen.height - 2 * kSwitcherMargin - kGap * static_cast<double>(rows - 1) - (kSwitcherNameHeight + kNameGap) * static_cast<double>(rows);
    double const height = rowsHeight / static_cast<double>(rows);
    return std::min({ width / screen.width, height / screen.height, kLargestScale });
}

}

std::vector<CGRect> switcherCardFrames(CGSize screen, size_t count)
{
    std::vector<CGRect> frames;
    if (count == 0 || screen.width <= 0 || screen.height <= 0)
        return frames;
    size_t columns = 1;
    double scale = scaleFor(screen, count, 1);
    for (size_t candidate = 2; candidate <= count; ++candidate) {
        double const candidateScale = scaleFor(screen, count, candidate);
        if (candidateScale > scale) {
            scale = candidateScale;
            columns = candidate;
        }
    }
    scale = std::max(scale, 0.01);
    size_t const rows = (count + columns - 1) / columns;
    CGSize const card { std::floor(screen.width * scale), std::floor(screen.height * scale) };
    double const rowHeight = kSwitcherNameHeight + kNameGap + card.height;
    double const gridHeight = rowHeight * static_cast<double>(rows) + kGap * static_cast<double>(rows - 1);
    double const top = std::round((screen.height - gridHeight) / 2);
    for (size_t index = 0; index < count; ++index) {
        size_t const row = index / columns;
        size_t const inRow = std::min(columns, count - row * columns);
        double const rowWidth = card.width * static_cast<double>(inRow) + kGap * static_cast<double>(inRow - 1);
        double const left = std::round((screen.width - rowWidth) / 2);
        double const x = left + static_cast<double>(index % columns) * (card.width + kGap);
        double const y = top + static_cast<double>(row) * (rowHeight + kGap) + kSwitcherNameHeight + kNameGap;
        frames.push_back({ { x, y }, card });
    }
    return frames;
}

}
