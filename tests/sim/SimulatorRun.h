#pragma once
// A test fixture for drawlet-sim run as a program with a temporary home: the
// build's programs, settings written with drawlet-settings, a headless run of
// a script, and what the run logged.

#include "ProgramRun.h"
#include "TextSearch.h"

#include <gtest/gtest.h>

namespace simtest {

inline const std::string kSimulator = DRAWLET_BUILD_DIR "/bin/drawlet-sim";
inline const std::string kSettingsTool = DRAWLET_BUILD_DIR "/bin/drawlet-settings";
inline const std::filesystem::path kLibraries = std::filesystem::path(DRAWLET_DEVICE_ROOT) / "Library/MobileSubstrate/DynamicLibraries";
inline const std::filesystem::path kLibrary = kLibraries / "Drawlet.so";

class SimulatorRun : public testing::Test {
protected:
    std::filesystem::path home() const { return m_folder.path() / "home"; }
    std::filesystem::path file(const std::string& name) const { return m_folder.path() / name; }
    std::filesystem::path logFile() const { return file("sim.log"); }
    std::string log() const { return readFile(logFile()); }

    // Whether Drawlet.so and drawlet-settings are built, which the tests
    // that turn Drawlet on need.
    static bool drawletBuilt() { return std::filesystem::exists(kLibrary) && std::filesystem::exists(kSettingsTool); }

    bool setting(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), { kSettingsTool, "--home", home().string(), "set" });
        ChildProcess tool(arguments, file("tool.txt"));
        return tool.wait() == 0;
    }

    // Turns Drawlet on with `application` pinned at start (call it under
    // ASSERT_NO_FATAL_FAILURE).
    void turnOnDrawletPinning(const std::string& application)
    {
        std::filesystem::create_directories(home());
        ASSERT_TRUE(setting({ "tweakEnabled", "true" }));
        ASSERT_TRUE(setting({ "autoPinEnabled", "true" }));
        ASSERT_TRUE(setting({ "--string", "startupApp", application }));
    }

    // Runs drawlet-sim with the temporary home and these options until it
    // ends; its output goes to m_output. The exit status.
    int runSimulator(const std::vector<std::string>& options)
    {
        std::vector<std::string> arguments { kSimulator, "--home", home().string() };
        arguments.insert(arguments.end(), options.begin(), options.end());
        ChildProcess shell(arguments, file("output.txt"));
        int const status = shell.wait();
        m_output = readFile(file("output.txt"));
        return status;
    }

    // Runs the script headless, logging to logFile(); the exit status.
    int runHeadless(const std::string& script, const std::vector<std::string>& options = {})
    {
        writeFile(file("script.txt"), script);
        std::vector<std::string> arguments { "--headless", "--log", logFile().string(), "--script", file("script.txt").string() };
        arguments.insert(arguments.end(), options.begin(), options.end());
        return runSimulator(arguments);
    }

    // Whether the log has `line` from the shell at the virtual instant `time`.
    bool logged(const std::string& time, const std::string& line) const
    {
        return containsMatch(log(), "(^|\n)" + escapeForPattern(time) + " SpringBoard\\[\\d+\\]: " + line + "\n");
    }

    // How often `part` stands in the log.
    size_t count(const std::string& part) const
    {
        std::string const text = log();
        size_t found = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++found;
        return found;
    }

    TemporaryFolder m_folder;
    std::string m_output;
};

}
