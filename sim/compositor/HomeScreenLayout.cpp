#include "HomeScreenLayout.h"

#include <algorithm>

namespace compositor {

namespace {

// A phone's icons are 60 points; a narrow screen shrinks them to keep gaps.
constexpr double kIconSize = 60;
constexpr double kStatusBarHeight = 20;
constexpr double kNameGap = 5;
constexpr double kNameHeight = 15;
constexpr double kRowGap = 28;
constexpr double kDockHeight = 96;
constexpr size_t kHomeScreenColumns = 4;
constexpr size_t kLandscapeHomeScreenColumns = 6;

size_t homeScreenColumns(CGSize screen)
{
    return screen.width > screen.height ? kLandscapeHomeScreenColumns : kHomeScreenColumns;
}

// From the shorter side, so icons keep their size when the screen turns.
double homeScreenIconSize(CGSize screen)
{
    return std::clamp(std::min(screen.width, screen.height) / 5.3, 1.0, kIconSize);
}

}

CGRect homeScreenDockFrame(CGSize screen)
{
    double const height = std::min(kDockHeight, screen.height / 4);
    return { { 0, screen.height - height }, { screen.width, height } };
}

HomeScreenIconPlace homeScreenIconPlace(CGSize screen, size_t index)
{
    double const size = homeScreenIconSize(screen);
    size_t const columns = homeScreenColumns(screen);
    double const gap = (screen.width - static_cast<double>(columns) * size) / static_cast<double>(columns + 1);
    size_t const columnIndex = index % columns;
    size_t const rowIndex = index / columns;
    double const column = static_cast<double>(columnIndex);
    double const row = static_cast<double>(rowIndex);
    double const x = gap + column * (size + gap);
    double const y = kStatusBarHeight + 8 + row * (size + kRowGap);
    return { { { x, y }, { size, size } }, { { x - gap / 2, y + size + kNameGap }, { size + gap, kNameHeight } } };
}

}
