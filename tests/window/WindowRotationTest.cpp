// The phone's SDL window in a real (virtual) X server: the arrow keys turn
// the phone, and the window turns with the screen, still fitting the desktop.
#include "sim/ProgramRun.h"

#include <gtest/gtest.h>

#include <regex>

namespace fs = std::filesystem;
using namespace simtest;

namespace {

const std::string kSimulator = DRAWLET_BUILD_DIR "/bin/drawlet-sim";
const std::string kScript = DRAWLET_SOURCE_DIR "/tests/window/turn-window.sh";

bool onPath(const std::string& program)
{
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

struct Size {
    int width = 0;
    int height = 0;
};

// The size printed after `name` in the script's output.
Size sizeAfter(const std::string& output, const std::string& name)
{
    std::smatch match;
    if (!std::regex_search(output, match, std::regex("(^|\n)" + name + " (\\d+)x(\\d+)\n")))
        return {};
    return { std::stoi(match[2]), std::stoi(match[3]) };
}

}

TEST(WindowRotation, TheArrowKeysTurnTheWindowWithTheScreen)
{
    if (!onPath("xvfb-run") || !onPath("Xvfb") || !onPath("xdotool"))
        GTEST_SKIP() << "needs xvfb-run, Xvfb and xdotool";
    TemporaryFolder folder;
    fs::create_directories(folder.path() / "home");
    // A desktop narrower than the turned phone at scale 2 (1334 pixels).
    ChildProcess run({ "/usr/bin/xvfb-run", "-a", "-s", "-screen 0 1200x1600x24", "/bin/bash", kScript, kSimulator, (folder.path() / "home").string() },
        folder.path() / "output.txt");
    ASSERT_TRUE(run.started());
    EXPECT_EQ(run.wait(), 0);
    std::string const output = readFile(folder.path() / "output.txt");

    Size const upright = sizeAfter(output, "upright");
    Size const turned = sizeAfter(output, "turned");
    Size const back = sizeAfter(output, "back");
    ASSERT_GT(upright.width, 0) << output;
    EXPECT_LT(upright.width, upright.height) << output;
    EXPECT_GT(turned.width, turned.height) << output;
    EXPECT_LE(turned.width, 1200) << "still within the desktop: " << output;
    EXPECT_EQ(back.width, upright.width) << output;
    EXPECT_EQ(back.height, upright.height) << output;
}
