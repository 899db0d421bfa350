// The touch and home verbs in drawlet-sim run as a program: a headless shell
// with a pinned application, where the script's finger reaches the grabber's
// recognizers and the home button reaches Drawlet's replacement.
#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <regex>

namespace fs = std::filesystem;
using namespace simtest;

namespace {

const std::string kSimulator = DRAWLET_BUILD_DIR "/bin/drawlet-sim";
const std::string kSettingsTool = DRAWLET_BUILD_DIR "/bin/drawlet-settings";
const fs::path kLibrary = fs::path(DRAWLET_DEVICE_ROOT) / "Library/MobileSubstrate/DynamicLibraries/Drawlet.so";

class TouchScript : public testing::Test {
protected:
    fs::path home() const { return m_folder.path() / "home"; }
    fs::path logFile() const { return m_folder.path() / "sim.log"; }

    bool setting(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), { kSettingsTool, "--home", home().string(), "set" });
        ChildProcess tool(arguments, m_folder.path() / "tool.txt");
        return tool.wait() == 0;
    }

    // Runs the script on a 375 × 667 screen; returns the exit status.
    int runHeadless(const std::string& script)
    {
        writeFile(m_folder.path() / "script.txt", script);
        ChildProcess shell({ kSimulator, "--headless", "--screen", "375x667", "--home", home().string(), "--log", logFile().string(), "--script",
                               (m_folder.path() / "script.txt").string() },
            m_folder.path() / "output.txt");
        int const status = shell.wait();
        m_output = readFile(m_folder.path() / "output.txt");
        return status;
    }

    // Whether the log has `line` from the shell at the virtual instant `time`.
    bool logged(const std::string& time, const std::string& line) const
    {
        std::string const text = readFile(logFile());
        return std::regex_search(text, std::regex("(^|\n)" + std::regex_replace(time, std::regex("\\."), "\\.") + " SpringBoard\\[\\d+\\]: " + line + "\n"));
    }

    size_t count(const std::string& part) const
    {
        std::string const text = readFile(logFile());
        size_t found = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++found;
        return found;
    }

    TemporaryFolder m_folder;
    std::string m_output;
};

}

TEST_F(TouchScript, FingerAndHomeButtonReachThePanel)
{
    if (!fs::exists(kLibrary) || !fs::exists(kSettingsTool))
        GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
    fs::create_directories(home());
    ASSERT_TRUE(setting({ "tweakEnabled", "true" }));
    ASSERT_TRUE(setting({ "autoPinEnabled", "true" }));
    ASSERT_TRUE(setting({ "--string", "startupApp", "com.drawlet.demo.clock" }));

    // The grabber sits at (W - 50 + 26, H - 125) in the overlay: (361, 554) is
    // inside it. A tap opens the panel; home, while it is open, taps the
    // grabber instead of going home; a flick to the right is the swipe.
    EXPECT_EQ(runHeadless("wait 1\ntap 361 554\nwait 1\nhome\nwait 1\nswipe 355 554 455 554\nwait 1\n"
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
