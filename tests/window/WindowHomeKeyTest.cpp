// The home key of the phone's SDL window: a second press within 0.3 s opens
// the app switcher, and a later single press leaves it for the home screen.
#include "SimulatorWindow.h"

using namespace simtest;

namespace {

using WindowHomeKey = SimulatorWindow;

}

TEST_F(WindowHomeKey, TwoQuickPressesOpenTheSwitcherAndOneMoreGoesHome)
{
    ASSERT_NO_FATAL_FAILURE(startDisplay("1024x1600x24"));
    std::filesystem::create_directories(home());
    ASSERT_NO_FATAL_FAILURE(startSimulator({ "--log", logFile().string() }));
    std::string const window = std::to_string(m_window);

    // xdotool types the two keys 12 ms apart.
    ASSERT_TRUE(xdotool({ "key", "--window", window, "h", "h" }).has_value());
    ASSERT_TRUE(waitFor([&] { return log().find("springboard: the app switcher opens with com.apple.springboard") != std::string::npos; }, kLimit)) << log();
    ASSERT_TRUE(xdotool({ "key", "--window", window, "h" }).has_value());
    EXPECT_TRUE(waitFor([&] { return log().find("springboard: the app switcher has gone to com.apple.springboard") != std::string::npos; }, kLimit)) << log();
    EXPECT_EQ(count("springboard: the app switcher opens with"), 1u);
}
