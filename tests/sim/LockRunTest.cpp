// The lock screen, unlocking and the welcome alert in drawlet-sim run as a
// program, with real application processes behind the lock screen.
#include "PngPixels.h"
#include "SimulatorRun.h"

#include <gtest/gtest.h>

using namespace simtest;

namespace {

// The lock screen's colour, where it shows no text.
constexpr uint32_t kLockScreenPixel = 0xFF111726;

class LockScript : public SimulatorRun {
protected:
    std::string path(const std::string& name) const { return file(name).string(); }
};

}

TEST_F(LockScript, NothingShowsOrIsTouchedThroughTheLockScreen)
{
    if (!drawletBuilt())
        GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
    ASSERT_NO_FATAL_FAILURE(turnOnDrawletPinning("com.drawlet.demo.clock"));

    // Notes in front and Clock pinned; the grabber is at (361, 554). Locked,
    // a tap and a drag there reach nothing; unlocked by a swipe to the right,
    // the welcome alert comes first, then the grabber answers again.
    ASSERT_EQ(runHeadless("wait 0.5\nopen com.drawlet.demo.notes\nlock\nwait 0.5\ntap 361 554\nwait 1\ndrag 361 554 100 554 0.5\nwait 1\nshot "
                  + path("locked.png") + "\nswipe 50 400 300 400\nanswer \"Got it!\"\ntap 361 554\nwait 1\nshot " + path("open.png") + "\nquit\n"),
        0)
        << m_output;
    EXPECT_EQ(count("[Drawlet] tapGrabber"), 1u) << log();
    EXPECT_TRUE(logged("3.700", "\\[Drawlet\\] tapGrabber")) << "only the tap after unlocking: " << log();
    EXPECT_EQ(count("[Drawlet] Posting notification: com.drawlet.demo.clockVeskStatusBarChange"), 2u)
        << "loaded at launch and by the tap after unlocking; the drag never reached the grabber";
    EXPECT_TRUE(logged("0.500", "\\[Drawlet\\] DEVICE LOCKED"));
    EXPECT_EQ(count("[Drawlet] display initial alert!"), 1u);
    EXPECT_EQ(count("[Drawlet] Do nothing"), 1u);

    // Below the time and the date and above the hint, only the lock screen
    // shows: no application, no grabber, no panel.
    for (int y = 250; y <= 560; y += 30) {
        for (int x = 5; x <= 370; x += 30)
            EXPECT_EQ(pngPixel(file("locked.png"), x * 2, y * 2), kLockScreenPixel) << "at (" << x << ", " << y << ")";
    }
    EXPECT_EQ(pngPixel(file("locked.png"), 361 * 2, 554 * 2), kLockScreenPixel) << "the grabber is hidden";
    EXPECT_NE(pngPixel(file("open.png"), 200 * 2, 300 * 2), kLockScreenPixel) << "unlocked, the open panel shows";

    // The file now says the alert was shown: a restarted shell (whose lines
    // follow the first run's in the log) shows nothing.
    ASSERT_EQ(runHeadless("lock\nunlock\nquit\n"), 0) << m_output;
    EXPECT_EQ(count("[Drawlet] Yay!! The File Exists! Has launched before"), 1u) << log();
    EXPECT_EQ(count("[Drawlet] display initial alert!"), 1u) << "the first run's alone";
}

TEST_F(LockScript, OpenSettingsInTheWelcomeAlertShowsDrawletsPane)
{
    if (!drawletBuilt())
        GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
    ASSERT_NO_FATAL_FAILURE(turnOnDrawletPinning("com.drawlet.demo.clock"));
    ASSERT_EQ(runHeadless("lock\nunlock\nanswer \"Open Settings\"\nwait 0.5\nshot " + path("pane.png") + "\nquit\n"), 0) << m_output;
    std::string const text = log();
    size_t const prefs = text.find("[Drawlet] Open Drawlet Prefs");
    size_t const opened = text.find("springboard: opened the address prefs:root=Drawlet in com.drawlet.settings");
    ASSERT_NE(prefs, std::string::npos) << text;
    EXPECT_LT(prefs, opened) << text;
    EXPECT_TRUE(containsMatch(text, R"((^|\n)0\.000 Settings\[\d+\]: Settings: opened prefs:root=Drawlet: the pane Drawlet\n)")) << text;
    // The "Enabled" switch of Drawlet's pane, at (321, 110), is green: on.
    uint32_t const track = pngPixel(file("pane.png"), 2 * 321, 2 * 110);
    EXPECT_GT((track >> 8) & 0xff, 0xc0u);
    EXPECT_LT((track >> 16) & 0xff, 0x70u);
}

TEST_F(LockScript, TheSameWallClockGivesTheSamePicturesAndRecording)
{
    if (!drawletBuilt())
        GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
    ASSERT_NO_FATAL_FAILURE(turnOnDrawletPinning("com.drawlet.demo.clock"));
    auto const run = [this](const std::string& folder) {
        std::string const script = "open com.drawlet.demo.clock\nwait 1.5\nlock\nwait 61\nshot " + path(folder + ".png") + "\nquit\n";
        EXPECT_EQ(runHeadless(script, { "--wall-clock", "2026-12-09T09:41:30", "--record", path(folder), "--record-fps", "1" }), 0) << m_output;
    };
    run("first");
    run("second");
    EXPECT_EQ(readFile(file("first.png")), readFile(file("second.png")));
    EXPECT_EQ(readFile(file("first/script.gif")), readFile(file("second/script.gif")));
    for (auto const* frame : { "frame-0000.png", "frame-0001.png", "frame-0040.png", "frame-0062.png" })
        EXPECT_EQ(readFile(file(std::string("first/") + frame)), readFile(file(std::string("second/") + frame))) << frame;
    EXPECT_NE(readFile(file("first/frame-0001.png")), readFile(file("first/frame-0062.png"))) << "the lock screen's clock moved on a minute";
}
