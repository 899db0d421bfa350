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
