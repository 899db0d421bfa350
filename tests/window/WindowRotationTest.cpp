// The phone's SDL window in a real (virtual) X server: the arrow keys turn
// the phone, and the window turns with the screen, still fitting the desktop.
#include "SimulatorWindow.h"

#include <sstream>

using namespace simtest;

namespace {

using WindowRotation = SimulatorWindow;

std::string shown(WindowSize size)
{
    std::ostringstream text;
    text << size.width << "x" << size.height;
    return text.str();
}

}

TEST_F(WindowRotation, TheArrowKeysTurnTheWindowWithTheScreen)
{
    // A desktop narrower than the turned phone at scale 2 (1334 pixels).
    ASSERT_NO_FATAL_FAILURE(startDisplay("1200x1600x24"));
    std::filesystem::create_directories(home());
    ASSERT_NO_FATAL_FAILURE(startSimulator({ "--log", logFile().string() }));
    std::string const window = std::to_string(m_window);
    // The size once it differs from `before` (a hang guard: `before` when it
    // never does).
    auto const changedFrom = [&](WindowSize before) {
        WindowSize now = before;
        waitFor(
            [&] {
                now = windowSize();
                return now != before;
            },
            kLimit);
        return now;
    };

    WindowSize const upright = windowSize();
    ASSERT_TRUE(xdotool({ "key", "--window", window, "Right" }).has_value());
    WindowSize const turned = changedFrom(upright);
    ASSERT_TRUE(xdotool({ "key", "--window", window, "Left" }).has_value());
    WindowSize const back = changedFrom(turned);
    std::string const sizes = "upright " + shown(upright) + ", turned " + shown(turned) + ", back " + shown(back);

    ASSERT_GT(upright.width, 0) << sizes;
    EXPECT_LT(upright.width, upright.height) << sizes;
    EXPECT_GT(turned.width, turned.height) << sizes;
    EXPECT_LE(turned.width, 1200) << "still within the desktop: " << sizes;
    EXPECT_EQ(back.width, upright.width) << sizes;
    EXPECT_EQ(back.height, upright.height) << sizes;
}
