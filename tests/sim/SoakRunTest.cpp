// drawlet-sim --soak run as a program: a seeded soak is the same run every
// time, and its events replay as a plain scenario.
#include "PngPixels.h"
#include "SimulatorRun.h"

#include <gtest/gtest.h>

#include <map>

using namespace simtest;

namespace {

// Each process's lines in order, process ids and object addresses (which
// differ from run to run) blanked.
std::map<std::string, std::vector<std::string>> linesByProcess(const std::string& log)
{
    std::map<std::string, std::vector<std::string>> lines;
    std::string const plain = replaceMatches(replaceMatches(log, "\\[\\d+\\]", "[]"), "0x[0-9a-f]+", "0x");
    for (auto const& match : allMatches(plain, "(?:^|\n)[0-9.]+ ([A-Za-z-]+)\\[\\]: ([^\n]*)")) {
        // The soak's own reports are not in a replay.
        if (match[1].rfind("drawlet-sim: soak: ", 0) != 0)
            lines[match[0]].push_back(match[1]);
    }
    return lines;
}

class SoakRun : public SimulatorRun {
protected:
    int soak(const std::string& name)
    {
        std::filesystem::remove_all(home());
        return runSimulator({ "--headless", "--soak", "300", "--seed", "20261209", "--soak-without", "hang", "--soak-script", file(name + ".txt").string(),
            "--log", file(name + ".log").string() });
    }
};

TEST_F(SoakRun, SameSeedSameRunAndItsScriptReplaysIt)
{
    if (!drawletBuilt())
        GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
    ASSERT_EQ(soak("first"), 0) << m_output;
    EXPECT_TRUE(containsMatch(m_output, "(^|\n)soak: 300 events, seed 20261209, 0 violations, [0-9.]+ s\n")) << m_output;
    ASSERT_EQ(soak("second"), 0) << m_output;
    EXPECT_EQ(readFile(file("first.txt")), readFile(file("second.txt")));
    auto const first = linesByProcess(readFile(file("first.log")));
    EXPECT_GE(first.size(), 3u) << "the shell and some applications";
    EXPECT_EQ(first, linesByProcess(readFile(file("second.log"))));

    std::filesystem::remove_all(home());
    runSimulator({ "--headless", "--script", file("first.txt").string(), "--log", file("replay.log").string() });
    EXPECT_EQ(first, linesByProcess(readFile(file("replay.log"))));
}

}

// Found by the soak (seed 104): a tap on the grabber while the pin moved it
// to the new icon opened the panel, and the pin's next slides closed it
// again behind the panel's back, which then took the next taps and presses
// of home as closes.
TEST_F(SoakRun, APanelOpenedWhileThePinMovesTheGrabberStaysOpen)
{
    if (!drawletBuilt())
        GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
    ASSERT_EQ(runHeadless("settings set tweakEnabled true\nopen com.drawlet.demo.clock\nactivator libactivator.lock.hold.short\nwait 1\n"
                          "open com.drawlet.demo.notes\nactivator libactivator.lock.hold.short\nwait 0.15\ntap 360 554\nwait 1\nshot "
                  + file("open.png").string() + "\nhome\nwait 1\nshot " + file("closed.png").string() + "\nquit\n"),
        0)
        << m_output;

    auto brightness = [](uint32_t pixel) { return ((pixel >> 16) & 0xff) + ((pixel >> 8) & 0xff) + (pixel & 0xff); };
    // The dimmed strip left of the open panel, then the home screen there.
    EXPECT_LT(brightness(pngPixel(file("open.png"), 4, 600)) * 2, brightness(pngPixel(file("closed.png"), 4, 600)));
    EXPECT_TRUE(containsMatch(log(), "\\[Drawlet\\] Stop hosting com.drawlet.demo.notes\n")) << "home closed the panel: " << log();
}
