// The app switcher and the applications' lifecycle in drawlet-sim run as a
// program, with Clock pinned and real application processes behind the cards.
#include "PngPixels.h"
#include "SimulatorRun.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace simtest;

namespace {

class SwitcherScript : public SimulatorRun {
protected:
    std::string path(const std::string& name) const { return file(name).string(); }
    // The pixel of a shot at a point of the 375 × 667 screen (scale 2).
    uint32_t pixel(const std::string& name, int x, int y) const { return pngPixel(file(name), x * 2, y * 2); }
    // Where the shell's line stands in the log at the instant, or npos.
    size_t at(const std::string& time, const std::string& line) const
    {
        std::string const text = log();
        std::string const start = time + " SpringBoard[";
        for (size_t found = text.find(start); found != std::string::npos; found = text.find(start, found + 1)) {
            if (text.substr(found, text.find('\n', found) - found).ends_with("]: " + line))
                return found;
        }
        return std::string::npos;
    }
};

bool dark(uint32_t pixel)
{
    return ((pixel >> 16) & 0xFF) < 0x30 && ((pixel >> 8) & 0xFF) < 0x30 && (pixel & 0xFF) < 0x30;
}

bool near(uint32_t a, uint32_t b)
{
    for (int shift = 0; shift < 32; shift += 8) {
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 2)
            return false;
    }
    return true;
}

// A point on the grabber at the screen's right edge.
constexpr int kGrabberX = 361;
constexpr int kGrabberY = 554;

}

TEST_F(SwitcherScript, TheGrabberLeavesWithTheSwitcherAndComesBackUnlessThePinnedApplicationIsInFront)
{
    if (!drawletBuilt())
        GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
    ASSERT_NO_FATAL_FAILURE(turnOnDrawletPinning("com.drawlet.demo.clock"));

    // Two home presses at one instant are two presses, never a switcher. The
    // cards: the home screen, Notes (in front last), then Clock and Grid; Grid's
    // is at the bottom right.
    std::string const script = "wait 0.5\nopen com.drawlet.demo.notes\nhome\nhome\nopen com.drawlet.demo.notes\nlaunch com.drawlet.demo.grid\n"
                               "switcher\nwait 0.6\nshot "
        + path("switcher.png") + "\nshot-app com.drawlet.demo.notes " + path("notes.png") + "\n"
                                                                                            "tap 276 500\nwait 0.6\nshot "
        + path("grid.png") + "\nshot-app com.drawlet.demo.grid " + path("grid-app.png") + "\n"
                                                                                          "switcher\nwait 0.6\nswitcher com.drawlet.demo.clock\nwait 0.6\nshot "
        + path("clock.png") + "\nshot-app com.drawlet.demo.clock " + path("clock-app.png") + "\n"
                                                                                             "switcher\nwait 0.6\nhome\nwait 0.6\nshot "
        + path("home.png") + "\n"
                             "switcher com.drawlet.demo.notes\nquit\n";
    EXPECT_EQ(runHeadless(script, { "--wall-clock", "2026-12-09T09:41:30" }), 1) << "the last line leaves a switcher that is not showing: " << m_output;
    EXPECT_EQ(count("springboard: the app switcher opens with "), 3u) << log();
    EXPECT_TRUE(logged("0.500", "springboard: the app switcher opens with com.apple.springboard, com.drawlet.demo.notes, com.drawlet.demo.clock, com.drawlet.demo.grid")) << log();

    // It has faded in after 0.25 s: the grabber slides away, then hosting stops.
    EXPECT_TRUE(logged("0.750", "\\[Drawlet\\] setting hidden for the first time")) << log();
    EXPECT_TRUE(logged("1.050", "\\[Drawlet\\] Stop hosting com.drawlet.demo.clock")) << log();

    // The tap on Grid's card: the front application changes, then the
    // messages, then the dismissal; the switcher has gone 0.25 s later.
    size_t const leaves = at("1.150", "[Drawlet] com.drawlet.demo.notes willDeactivate eventsOnly: NO!");
    size_t const comes = at("1.150", "[Drawlet] com.drawlet.demo.grid willActivate!");
    size_t const dismissal = at("1.150", "[Drawlet] displayItem: com.drawlet.demo.grid");
    ASSERT_NE(leaves, std::string::npos) << log();
    EXPECT_LT(leaves, comes);
    EXPECT_LT(comes, dismissal);
    EXPECT_TRUE(logged("1.400", "springboard: the app switcher has gone to com.drawlet.demo.grid")) << log();

    // Leaving Clock, the pinned application, for the home screen shows the grabber.
    EXPECT_TRUE(logged("3.550", "\\[Drawlet\\] Showing Drawlet!")) << log();
    EXPECT_TRUE(logged("3.550", "springboard: the app switcher goes to com.apple.springboard")) << log();
    // Launching Grid and hosting Clock sent nothing; coming to the front did.
    EXPECT_EQ(count("[Drawlet] com.drawlet.demo.grid willActivate!"), 1u);
    EXPECT_EQ(count("[Drawlet] com.drawlet.demo.clock willActivate!"), 1u);

    // The cards show the applications' frames over the switcher's dark back:
    // Notes' yellow header in its card at the top right.
    EXPECT_TRUE(near(pixel("switcher.png", 210, 57), pixel("notes.png", 35, 42))) << std::hex << pixel("switcher.png", 210, 57);
    EXPECT_TRUE(dark(pixel("switcher.png", 187, 660))) << std::hex << pixel("switcher.png", 187, 660);
    // The grabber is back over Grid, hidden over Clock, back on the home screen.
    EXPECT_NE(pixel("grid.png", kGrabberX, kGrabberY), pixel("grid-app.png", kGrabberX, kGrabberY));
    EXPECT_EQ(pixel("clock.png", kGrabberX, kGrabberY), pixel("clock-app.png", kGrabberX, kGrabberY));
    EXPECT_EQ(pixel("home.png", kGrabberX, kGrabberY), pixel("grid.png", kGrabberX, kGrabberY));
}
