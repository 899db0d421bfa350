// The on-screen keyboard in drawlet-sim run as a program: a note typed into
// the real Notes process, with the keyboard's notifications in both processes
// and Drawlet's grabber moving out of its way.
#include "PngPixels.h"
#include "SimulatorRun.h"

#include <gtest/gtest.h>

using namespace simtest;

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kKeyboardPixel = 0xFFD1D7DE;
constexpr uint32_t kNotesPaper = 0xFFFFFDF0;

class KeyboardScript : public SimulatorRun {
protected:
    std::string path(const std::string& name) const { return file(name).string(); }

    // The keyboard's notification as the shell logs it, at `time`.
    bool announced(const std::string& time, const std::string& name, const std::string& from, const std::string& to) const
    {
        return logged(time, escapeForPattern("springboard: " + name + " for com.drawlet.demo.notes from " + from + " to " + to));
    }

    // The same notification, posted in the Notes process.
    bool announcedInNotes(const std::string& time, const std::string& name, const std::string& from, const std::string& to) const
    {
        return containsMatch(log(), escapeForPattern(time) + " Notes\\[\\d+\\]: " + escapeForPattern("uikit: " + name + " from " + from + " to " + to));
    }
};

const std::string kBelow = "{{0, 568}, {320, 216}}";
const std::string kUp = "{{0, 352}, {320, 216}}";

}

TEST_F(KeyboardScript, ANoteTypedIntoNotesJoinsItsListAndTheGrabberMovesOutOfTheWay)
{
    if (!drawletBuilt())
        GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
    ASSERT_NO_FATAL_FAILURE(turnOnDrawletPinning("com.drawlet.demo.clock"));

    // Notes in front, Clock pinned, on 320 × 568: the field is under Notes'
    // bar at (160, 92). Shift, h and i on the drawn keys, then the rest typed,
    // a mistake deleted, and Return on the drawn keys. Then the field again,
    // and home, which takes Notes from the front.
    std::string const script = "open com.drawlet.demo.notes\nwait 0.5\ntap 160 92\nwait 0.5\nshot " + path("up.png")
        + "\nkeyboard show\ntap 24 485\ntap 192 435\ntap 240 383\ntype \" ther\\x08re\"\ntap 290 540\nwait 0.5\nshot " + path("added.png")
        + "\ntap 160 92\nwait 0.5\nhome\nwait 0.5\nshot " + path("home.png") + "\nquit\n";
    ASSERT_EQ(runHeadless(script, { "--screen", "320x568" }), 0) << m_output << log();

    std::string const show = "UIKeyboardWillShowNotification";
    std::string const hide = "UIKeyboardWillHideNotification";
    EXPECT_TRUE(announced("0.550", show, kBelow, kUp)) << log();
    EXPECT_TRUE(announcedInNotes("0.550", show, kBelow, kUp));
    EXPECT_TRUE(announced("1.050", show, kUp, kUp)) << "shown again where it is";
    EXPECT_TRUE(containsMatch(log(), "1\\.250 Notes\\[\\d+\\]: Added \"Hi there\"\n"));
    EXPECT_TRUE(announced("1.250", hide, kUp, kBelow)) << "Return ended editing";
    EXPECT_TRUE(announcedInNotes("1.250", hide, kUp, kBelow));
    EXPECT_TRUE(announced("1.800", show, kBelow, kUp));
    EXPECT_TRUE(announced("2.300", hide, kUp, kBelow)) << "Notes left the front";
    EXPECT_EQ(count("UIKeyboardWill"), 10u) << "five in each process";

    // The keyboard shows over Notes, and the grabber, launched at y 443, sits
    // at 274, 78 points above it; then the keyboard is gone and the grabber
    // back at 443.
    EXPECT_EQ(pngPixel(file("up.png"), 320, 706), kKeyboardPixel);
    EXPECT_EQ(pngPixel(file("up.png"), 580, 552), kWhite) << "the lifted grabber";
    EXPECT_EQ(pngPixel(file("added.png"), 320, 706), kNotesPaper) << "the keyboard slid away";
    EXPECT_EQ(pngPixel(file("added.png"), 580, 890), kWhite) << "the grabber back in place";
    EXPECT_EQ(pngPixel(file("home.png"), 580, 890), kWhite) << "back in place once Notes left the front";
    EXPECT_NE(pngPixel(file("home.png"), 580, 552), kWhite);
}

TEST_F(KeyboardScript, ItFollowsATurnGoesAwayWhenThePhoneLocksAndShowsOnTheHomeScreen)
{
    if (!drawletBuilt())
        GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
    ASSERT_NO_FATAL_FAILURE(turnOnDrawletPinning("com.drawlet.demo.clock"));
    std::string const script = "open com.drawlet.demo.notes\nwait 0.5\ntap 160 92\nwait 0.5\nrotate 3\nwait 0.5\nlock\nunlock\nanswer \"Got it!\"\n"
                               "rotate 1\nhome\nkeyboard show\ntype \"\\n\"\nquit\n";
    ASSERT_EQ(runHeadless(script, { "--screen", "320x568" }), 0) << m_output << log();

    // Turned: a hide at the upright frames, then a show 162 points tall.
    std::string const show = "UIKeyboardWillShowNotification";
    std::string const hide = "UIKeyboardWillHideNotification";
    std::string const turnedUp = "{{0, 158}, {568, 162}}";
    std::string const turnedBelow = "{{0, 320}, {568, 162}}";
    std::string const text = log();
    size_t const hidden = text.find("1.050 SpringBoard");
    EXPECT_TRUE(announced("1.050", hide, kUp, kBelow)) << text;
    EXPECT_TRUE(announced("1.050", show, turnedBelow, turnedUp));
    EXPECT_LT(text.find(hide, hidden), text.find(show, hidden)) << "the hide first";
    EXPECT_TRUE(announcedInNotes("1.050", show, turnedBelow, turnedUp));

    // Locking sends it away before the lock screen comes.
    EXPECT_TRUE(announced("1.550", hide, turnedUp, turnedBelow));
    EXPECT_LT(text.find(hide, text.find("1.550 SpringBoard")), text.find("springboard: locked"));

    // On the home screen the shell alone hears of it; Return ends it.
    EXPECT_TRUE(logged("1.550", escapeForPattern("springboard: " + show + " for SpringBoard from " + kBelow + " to " + kUp)));
    EXPECT_TRUE(logged("1.550", escapeForPattern("springboard: " + hide + " for SpringBoard from " + kUp + " to " + kBelow)));
    EXPECT_EQ(countMatches(text, "Notes\\[\\d+\\]: uikit: UIKeyboardWill"), 4u) << "show, and the turn's hide and show, and the lock's hide";
}
