// Activator in drawlet-sim run as a program, with real application processes:
// the typical use from end to end, the device's events, the default events of
// the first load across restarts, and Activator's pane in the Settings
// application.
#include "PngPixels.h"
#include "SimulatorRun.h"

#include "support/StatusBarPixels.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdlib>

using namespace simtest;

namespace {

constexpr int kScale = 2;
constexpr int kShownX = 375 - 50;
// The grabber's middle row, and its application icon (21 points square).
constexpr int kGrabberY = 554;
constexpr int kIconX = kShownX + 24;
constexpr int kIconY = 667 - 125 + 2;
constexpr int kIconSize = 21;

const std::string kActivatorFile = "Library/Preferences/libactivator.plist";

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

class ActivatorScript : public SimulatorRun {
protected:
    std::string path(const std::string& name) const { return file(name).string(); }

    // The grabber's white strip begins at x (points), with the wallpaper left of it.
    bool grabberShownAt(const std::string& png, int x) const
    {
        return pngPixel(file(png), (x + 2) * kScale, kGrabberY * kScale) == 0xFFFFFFFF
            && pngPixel(file(png), (x - 2) * kScale, kGrabberY * kScale) != 0xFFFFFFFF;
    }

    // Whether two pictures hold the same pixels in a square, in pixels, each
    // channel within `tolerance`.
    bool sameSquare(const std::string& first, int x1, int y1, const std::string& second, int x2, int y2, int size, int tolerance = 0) const
    {
        cairo_surface_t* a = cairo_image_surface_create_from_png(file(first).c_str());
        cairo_surface_t* b = cairo_image_surface_create_from_png(file(second).c_str());
        bool same = cairo_surface_status(a) == CAIRO_STATUS_SUCCESS && cairo_surface_status(b) == CAIRO_STATUS_SUCCESS;
        auto pixel = [](cairo_surface_t* image, int x, int y) {
            return reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(image) + static_cast<ptrdiff_t>(y) * cairo_image_surface_get_stride(image))[x];
        };
        for (int y = 0; same && y < size; ++y) {
            for (int x = 0; same && x < size; ++x) {
                uint32_t const one = pixel(a, x1 + x, y1 + y);
                uint32_t const other = pixel(b, x2 + x, y2 + y);
                for (int shift = 0; shift < 32; shift += 8)
                    same = same && std::abs(int((one >> shift) & 0xff) - int((other >> shift) & 0xff)) <= tolerance;
            }
        }
        cairo_surface_destroy(a);
        cairo_surface_destroy(b);
        return same;
    }

    bool showsStatusBar(const std::string& png) const
    {
        cairo_surface_t* frame = cairo_image_surface_create_from_png(file(png).c_str());
        bool const shows = testsupport::showsStatusBar(frame, kScale);
        cairo_surface_destroy(frame);
        return shows;
    }

    std::string activatorFile() const { return readFile(home() / kActivatorFile); }
};

}

TEST_F(ActivatorScript, PinningFromAnApplicationInFrontThenOpeningThePanel)
{
    if (!drawletBuilt())
        GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
    ASSERT_NO_FATAL_FAILURE(turnOnDrawletPinning("com.drawlet.demo.clock"));

    // Clock pinned, Grid in front: the short hold pins Grid and goes home; a
    // tap on the grabber shows Grid in the panel. Then, with the grabber
    // hidden by Hide/Show, Notes in front is pinned.
    ASSERT_EQ(runHeadless("wait 0.5\nopen com.drawlet.demo.grid\nwait 0.5\nshot-app com.drawlet.demo.grid " + path("grid-front.png")
                  + "\nactivator libactivator.lock.hold.short\nwait 1\nshot " + path("pinned.png") + "\ntap 340 554\nwait 1\nshot-app com.drawlet.demo.grid "
                  + path("grid-panel.png") + "\nhome\nwait 1\nactivator libactivator.statusbar.tap.double\nwait 1\nshot " + path("hidden.png")
                  + "\nopen com.drawlet.demo.notes\nwait 0.5\nactivator libactivator.lock.hold.short\nwait 1\nshot " + path("pinned-again.png") + "\nquit\n"),
        0)
        << m_output;
    std::string const text = log();
    EXPECT_TRUE(containsMatch(text, "\\[Drawlet\\] frontMost: com\\.drawlet\\.demo\\.grid \t current: com\\.drawlet\\.demo\\.clock\n.*\\[Drawlet\\] Stop hosting "
                                    "com\\.drawlet\\.demo\\.clock\n.*\\[Drawlet\\] Going home\\.\\.\\.\n"))
        << "the old application's hosting stops before going home: " << text;
    EXPECT_TRUE(grabberShownAt("pinned.png", kShownX));
    EXPECT_TRUE(showsStatusBar("grid-front.png"));
    EXPECT_FALSE(showsStatusBar("grid-panel.png")) << "shown in the panel without its status bar";
    EXPECT_TRUE(logged("2.050", "\\[Drawlet\\] Posting notification: com\\.drawlet\\.demo\\.gridVeskStatusBarChange")) << "the tap loads Grid";

    EXPECT_FALSE(grabberShownAt("hidden.png", kShownX));
    EXPECT_TRUE(grabberShownAt("pinned-again.png", kShownX)) << "shown again with Notes' icon";

    // The icon on the grabber is Grid's, as a shell with Grid pinned at start shows it.
    ASSERT_TRUE(setting({ "--string", "startupApp", "com.drawlet.demo.grid" }));
    ASSERT_EQ(runHeadless("wait 1\nshot " + path("grid-pinned.png") + "\nquit\n"), 0) << m_output;
    int const x = kIconX * kScale;
    int const y = kIconY * kScale;
    EXPECT_TRUE(sameSquare("pinned.png", x, y, "grid-pinned.png", x, y, kIconSize * kScale));
    EXPECT_FALSE(sameSquare("pinned-again.png", x, y, "grid-pinned.png", x, y, kIconSize * kScale)) << "Notes' icon";
}

TEST_F(ActivatorScript, TheStatusBarsDoubleTapAndTheUnhandledShortHold)
{
    if (!drawletBuilt())
        GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
    ASSERT_NO_FATAL_FAILURE(turnOnDrawletPinning("com.drawlet.demo.clock"));

    // Two quick taps at the top fire (and hide the grabber); two slow ones,
    // two lower down, and two on the open panel's dimming do not.
    ASSERT_EQ(runHeadless("wait 0.5\ntap 150 10\ntap 150 10\nwait 1\ntap 150 10\nwait 0.4\ntap 150 10\ntap 150 300\ntap 150 300\n"
                          "activator libactivator.statusbar.tap.double\nwait 1\ntap 340 554\nwait 1\ntap 150 10\ntap 150 10\nwait 1\nquit\n"),
        0)
        << m_output;
    EXPECT_EQ(count("activator: libactivator.statusbar.tap.double (springboard) goes to com.quillbrook.drawlet.toggleHidden"), 2u) << log();
    EXPECT_TRUE(logged("0.600", "activator: libactivator\\.statusbar\\.tap\\.double \\(springboard\\) goes to com\\.quillbrook\\.drawlet\\.toggleHidden"));
    EXPECT_EQ(count("[Drawlet] activator:com.quillbrook.drawlet.toggleHidden"), 2u);

    // Drawlet off: the event is left unhandled, and the short hold locks.
    ASSERT_TRUE(setting({ "tweakEnabled", "false" }));
    ASSERT_EQ(runHeadless("activator libactivator.lock.hold.short\nquit\n"), 0) << m_output;
    EXPECT_TRUE(logged("0.000", "\\[Drawlet\\] tweak is 0 and activator:com\\.quillbrook\\.drawlet\\.pinCurrentApp"));
    EXPECT_TRUE(logged("0.000", "activator: no listener handled libactivator\\.lock\\.hold\\.short; the lock button locks"));
    EXPECT_TRUE(logged("0.000", "springboard: locked")) << log();
}

TEST_F(ActivatorScript, DefaultEventsOnTheFirstLoadOnlyNeverOverTheUsersChoice)
{
    if (!drawletBuilt())
        GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
    ASSERT_EQ(runHeadless("quit\n"), 0) << m_output;
    EXPECT_TRUE(containsMatch(activatorFile(), "<key>libactivator\\.statusbar\\.tap\\.double</key>\\s*<string>com\\.quillbrook\\.drawlet\\.toggleHidden</string>"))
        << activatorFile();
    EXPECT_TRUE(containsMatch(activatorFile(), "<key>libactivator\\.lock\\.hold\\.short</key>\\s*<string>com\\.quillbrook\\.drawlet\\.pinCurrentApp</string>"));

    // The user takes the double tap away and gives the short hold to Hide/Show.
    ASSERT_EQ(runHeadless("activator unassign libactivator.statusbar.tap.double\nactivator assign libactivator.lock.hold.short "
                          "com.quillbrook.drawlet.toggleHidden\nquit\n"),
        0)
        << m_output;
    ASSERT_EQ(runHeadless("activator libactivator.statusbar.tap.double\nactivator libactivator.lock.hold.short\nquit\n"), 0) << m_output;
    EXPECT_EQ(count("activator: libactivator.statusbar.tap.double (springboard) goes to no listener"), 1u);
    EXPECT_EQ(count("activator: libactivator.lock.hold.short (springboard) goes to com.quillbrook.drawlet.toggleHidden"), 1u);
    EXPECT_FALSE(contains(activatorFile(), "libactivator.statusbar.tap.double")) << activatorFile();

    EXPECT_EQ(runHeadless("activator assign libactivator.lock.hold.short com.example.nobody\nquit\n"), 1) << "no such listener";
}

TEST_F(ActivatorScript, SettingsListsTheListenersAndAssignsTheirEvents)
{
    if (!drawletBuilt())
        GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
    std::filesystem::create_directories(home());
    ASSERT_TRUE(setting({ "hasBeenLaunchedBefore", "true" }));
    std::vector<std::string> const kSameClock { "--wall-clock", "2026-12-09T09:41:00" };

    // Settings' first page, its Activator pane, Pin Current App's page: the
    // double tap.
    ASSERT_EQ(runHeadless("open com.drawlet.settings\nwait 0.5\nshot " + path("root.png") + "\ntap 200 279\nwait 0.5\nshot " + path("pane.png")
                      + "\ntap 200 213\nwait 0.5\ntap 200 164\nwait 0.5\nshot " + path("chosen.png") + "\nquit\n",
                  kSameClock),
        0)
        << m_output;
    EXPECT_TRUE(containsMatch(log(), "Settings: chose libactivator\\.statusbar\\.tap\\.double for com\\.quillbrook\\.drawlet\\.pinCurrentApp\n"
                                     "[^\n]*SpringBoard\\[\\d+\\]: activator: com\\.quillbrook\\.drawlet\\.pinCurrentApp gets libactivator\\.statusbar\\.tap\\.double\n"))
        << log();
    EXPECT_TRUE(containsMatch(activatorFile(), "<key>LAAssignments</key>\\s*<dict>\\s*<key>libactivator\\.statusbar\\.tap\\.double</key>\\s*"
                                               "<string>com\\.quillbrook\\.drawlet\\.pinCurrentApp</string>\\s*</dict>"))
        << "the double tap taken from Hide/Show, the short hold from Pin Current App: " << activatorFile();

    // Opened at the pane by its address: none, and back twice.
    ASSERT_EQ(runHeadless("url prefs:root=Activator\nwait 0.5\ntap 200 213\nwait 0.5\ntap 200 120\nwait 0.5\ntap 30 42\ntap 30 42\nwait 0.5\nshot "
                      + path("root-again.png") + "\nquit\n",
                  kSameClock),
        0)
        << m_output;
    EXPECT_TRUE(contains(log(), "activator: com.quillbrook.drawlet.pinCurrentApp gets no event"));
    EXPECT_FALSE(contains(activatorFile(), "<key>libactivator.")) << "no event assigned: " << activatorFile();

    // The listener's icon, as it answers it, drawn as the first page draws
    // Drawlet's own icon from the same file: 29 points at (16, 116.5) in the
    // pane's first row, at (16, 185.5) in the first page's second.
    EXPECT_TRUE(sameSquare("pane.png", 32, 233, "root.png", 32, 371, 58, 2));
    EXPECT_TRUE(readFile(file("root.png")) == readFile(file("root-again.png"))) << "back twice: the first page";
}
