// The touch and home verbs in drawlet-sim run as a program: a headless shell
// with a pinned application, where the script's finger reaches the grabber's
// recognizers and the home button reaches Drawlet's replacement, and touches
// on the open panel's application reach that application's process.
#include "SimulatorRun.h"

#include <cairo.h>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace simtest;

namespace {

class TouchScript : public SimulatorRun {
protected:
    // Runs the script on a 375 × 667 screen; returns the exit status.
    int runScript(const std::string& script) { return runHeadless(script, { "--screen", "375x667" }); }

    // The pixel of the PNG `name` at (x, y) in pixels, as 0xAARRGGBB.
    uint32_t pixel(const std::string& name, int x, int y) const
    {
        cairo_surface_t* image = cairo_image_surface_create_from_png(file(name).c_str());
        uint32_t value = 0;
        if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS) {
            auto const* row = cairo_image_surface_get_data(image) + static_cast<ptrdiff_t>(y) * cairo_image_surface_get_stride(image);
            value = reinterpret_cast<const uint32_t*>(row)[x];
        }
        cairo_surface_destroy(image);
        return value;
    }

    std::string path(const std::string& name) const { return file(name).string(); }
};

}

TEST_F(TouchScript, FingerAndHomeButtonReachThePanel)
{
    if (!drawletBuilt())
        GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
    ASSERT_NO_FATAL_FAILURE(turnOnDrawletPinning("com.drawlet.demo.clock"));

    // The grabber sits at (W - 50 + 26, H - 125) in the overlay: (361, 554) is
    // inside it. A tap opens the panel; home, while it is open, taps the
    // grabber instead of going home; a flick to the right is the swipe.
    EXPECT_EQ(runScript("wait 1\ntap 361 554\nwait 1\nhome\nwait 1\nswipe 355 554 455 554\nwait 1\n"
                        "tap 10 10\nhold 361 554 0.6\ndrag 361 554 200 554 0.5\nrotate 3\nrotate 1\nquit\n"),
        0)
        << m_output;
    EXPECT_TRUE(logged("1.050", "\\[Drawlet\\] tapGrabber")) << readFile(logFile());
    EXPECT_TRUE(logged("2.050", "\\[Drawlet\\] tapGrabber")) << "home with the panel open: " << readFile(logFile());
    EXPECT_EQ(count("[Drawlet] Swiped!"), 1u) << readFile(logFile());
    EXPECT_TRUE(logged("3.100", "\\[Drawlet\\] Swiped!")) << "decided 50 points along, half way through the swipe";
    EXPECT_EQ(count("[Drawlet] tapGrabber"), 2u) << "the swipe came with the panel closed, and the tap at (10, 10) missed the grabber";
    // The device-orientation event, then the interface orientation, at 5.3 s
    // (1 + 0.05 + 1 + 1 + 0.1 + 1 + 0.05 + 0.6 + 0.5).
    EXPECT_TRUE(logged("5.300", "\\[Drawlet\\] com\\.apple\\.springboard _handleDeviceOrientationChangedEvent:<UIDeviceOrientationEvent: 0x[0-9a-f]+; orientation = 3>"))
        << readFile(logFile());
    EXPECT_TRUE(logged("5.300", "\\[Drawlet\\] noteInterfaceOrientationChanged: 3"));
    EXPECT_TRUE(logged("5.300", "\\[Drawlet\\] noteInterfaceOrientationChanged: 1"));
}

TEST_F(TouchScript, TouchesOnTheOpenPanelsApplicationReachItsProcessOnly)
{
    if (!drawletBuilt())
        GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
    ASSERT_NO_FATAL_FAILURE(turnOnDrawletPinning("com.drawlet.demo.grid"));

    // Open, the panel sits at (57, 50) on the screen and shows the grid scaled
    // by 567 / 667: the grid's point (40, 140), on the swatch of row 1,
    // column 0, shows at (91, 169). A swipe and a drag to the right across the
    // application would close the panel if its recognizers saw them; a second
    // tap at the same place finds the same swatch and clears it.
    std::string const grid = "com.drawlet.demo.grid";
    EXPECT_EQ(runScript("wait 1\ntap 361 554\nwait 1\ntap 91 169\nwait 0.2\nshot-app " + grid + " " + path("selected.png") + "\nshot "
                  + path("screen.png") + "\nswipe 100 400 300 400\nwait 1\ndrag 100 500 300 500 0.3\nwait 1\ntap 91 169\nwait 0.2\nshot-app " + grid
                  + " " + path("cleared.png") + "\nquit\n"),
        0)
        << m_output;
    std::string const log = readFile(logFile());
    std::string const tapped = R"(Grid\[\d+\]: Tapped \(40\.0, 140\.0\): row 1, column 0\n)";
    EXPECT_EQ(countMatches(log, tapped), 2u) << log;
    EXPECT_EQ(count("[Drawlet] tapGrabber"), 1u) << "only the tap that opened the panel";
    EXPECT_EQ(count("[Drawlet] Swiped!"), 0u);
    EXPECT_EQ(pixel("selected.png", 80, 280), 0xffffffffu) << "the tapped swatch is selected";
    EXPECT_NE(pixel("selected.png", 200, 280), 0xffffffffu);
    uint32_t const shown = pixel("screen.png", 182, 338);
    EXPECT_GT(shown & 0xff, 0xf0u) << std::hex << shown << ": the screen shows the selected swatch where it was tapped";
    EXPECT_GT((shown >> 8) & 0xff, 0xf0u);
    EXPECT_GT((shown >> 16) & 0xff, 0xf0u);
    EXPECT_NE(pixel("cleared.png", 80, 280), 0xffffffffu) << "the panel stayed open, and the second tap cleared the swatch";
}

TEST_F(TouchScript, TouchesOnTheApplicationInFrontReachItsProcess)
{
    // (40, 140) is on the grid's swatch of row 1, column 0; once the grid has
    // gone home, a tap there lands on the home screen and reaches nobody.
    std::string const grid = "com.drawlet.demo.grid";
    EXPECT_EQ(runScript("open " + grid + "\nwait 0.5\ntap 40 140\nwait 0.2\nshot-app " + grid + " " + path("front.png") + "\nhome\ntap 40 140\nwait 0.2\nquit\n"), 0)
        << m_output;
    std::string const log = readFile(logFile());
    std::string const tapped = R"(Grid\[\d+\]: Tapped \(40\.0, 140\.0\): row 1, column 0\n)";
    EXPECT_EQ(countMatches(log, tapped), 1u) << log;
    EXPECT_EQ(pixel("front.png", 80, 280), 0xffffffffu);
}

TEST_F(TouchScript, ATapOnAHomeScreenIconOpensItsApplicationAndNothingElseDoes)
{
    // On 375 × 667 the icons' first row is Notes, Clock, Grid, Settings:
    // Grid's square holds (231, 58), its name (231, 95), and (100, 58) lies
    // between Notes and Clock. A drag from the icon, a long press on it and a
    // tap between icons open nothing.
    EXPECT_EQ(runScript("drag 231 58 231 200 0.3\nhold 231 58 1\ntap 100 58\ntap 200 400\n"
                        "tap 231 95\nwait 0.5\nhome\nwait 0.2\ntap 231 58\nwait 0.5\nquit\n"),
        0)
        << m_output;
    std::string const log = readFile(logFile());
    EXPECT_EQ(count("home screen: opened"), 2u) << log;
    EXPECT_EQ(countMatches(log, R"(SpringBoard\[\d+\]: home screen: opened com\.drawlet\.demo\.grid\n)"), 2u) << log;
    EXPECT_EQ(count("frontboard: launched com.drawlet.demo.grid"), 1u) << "launched once, brought back the second time";
}
