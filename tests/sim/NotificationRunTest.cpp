// Notifications in drawlet-sim run headless with real application
// processes: the shell's banner, the home screen's badges, and the pinned
// application's grabber shaking in the pictures.
#include "PngPixels.h"
#include "SimulatorRun.h"

#include <gtest/gtest.h>

using namespace simtest;

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kBadgeRed = 0xFFFF3A30;

class Notifications : public SimulatorRun {
protected:
    std::string path(const std::string& name) const { return file(name).string(); }
    uint32_t at(const std::string& name, double x, double y) const { return pngPixel(file(name), static_cast<int>(x * 2), static_cast<int>(y * 2)); }
};

}

TEST_F(Notifications, ThePinnedApplicationsBulletinShakesTheGrabberOthersOnlyShowTheBanner)
{
    if (!drawletBuilt())
        GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
    ASSERT_NO_FATAL_FAILURE(turnOnDrawletPinning("com.drawlet.demo.notes"));

    // 375 × 667 with Notes pinned: the grabber rests at y 542 to 567, and is
    // white at x 373.5, between its arrow and the icon. Grid's icon carries
    // the badge "new" at (250, 30); the banner's card covers (300, 64).
    ASSERT_EQ(runHeadless("wait 0.5\nshot " + path("before.png") + "\nnotify com.drawlet.demo.notes \"Lunch at noon?\" 4\nwait 0.075\nshot "
                      + path("shaking.png") + "\nwait 0.6\nshot " + path("shaken.png") + "\nnotify com.drawlet.demo.grid Saved -\nwait 0.075\nshot "
                      + path("other.png") + "\nwait 3\nshot " + path("after.png") + "\nnotify com.drawlet.demo.grid \"Saved again\"\ntap 300 40\nquit\n",
                  { "--wall-clock", "2026-12-09T09:41:00" }),
        0)
        << m_output << log();

    EXPECT_TRUE(logged("0.500", "springboard: banner for com\\.drawlet\\.demo\\.notes: Lunch at noon\\?")) << log();
    EXPECT_TRUE(logged("0.500", "\\[Drawlet\\] Hey look, you have has 4 notification\\(s\\)!!!")) << log();
    EXPECT_EQ(count("[Drawlet] Hey look"), 1u) << "Grid's bulletins shake nothing";
    EXPECT_TRUE(logged("4.300", "springboard: opened com\\.drawlet\\.demo\\.grid from its banner")) << log();

    // 0.075 s into the shake the grabber is 20 points lower.
    EXPECT_EQ(at("before.png", 373.5, 545), kWhite);
    EXPECT_NE(at("shaking.png", 373.5, 545), kWhite);
    EXPECT_EQ(at("shaking.png", 373.5, 580), kWhite);
    EXPECT_EQ(at("shaken.png", 373.5, 545), kWhite) << "back in place once the shake is over";
    EXPECT_NE(at("shaken.png", 373.5, 580), kWhite);
    EXPECT_EQ(at("other.png", 373.5, 545), kWhite) << "another application's bulletin shakes nothing";

    // The banner's card shows for 3 seconds; Grid's badge went with "-".
    EXPECT_NE(at("before.png", 300, 64), at("shaking.png", 300, 64));
    EXPECT_EQ(at("other.png", 300, 64), at("shaking.png", 300, 64));
    EXPECT_EQ(at("after.png", 300, 64), at("before.png", 300, 64)) << "gone after 3 seconds";
    EXPECT_EQ(at("before.png", 250, 30), kBadgeRed);
    EXPECT_NE(at("after.png", 250, 30), kBadgeRed);
}
