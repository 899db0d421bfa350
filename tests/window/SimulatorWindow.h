#pragma once
// A test fixture for drawlet-sim's real window: an Xvfb display of the test's
// own, the simulator started on it, and xdotool to find and drive the window
// as a person would. Real time under load or sanitizers is slow, so each wait
// is a generous hang guard, never a timing check.

#include "VirtualDisplay.h"
#include "sim/SimulatorRun.h"

#include <gtest/gtest.h>
// After GoogleTest: Xlib's macros (None, Bool) clash with its names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#undef None
#undef Bool

#include <cstdlib>
#include <memory>
#include <optional>

namespace simtest {

struct WindowSize {
    int width = 0;
    int height = 0;
    bool operator==(const WindowSize&) const = default;
};

class SimulatorWindow : public SimulatorRun {
protected:
    static constexpr auto kLimit = std::chrono::seconds(90);

    void SetUp() override
    {
        m_xvfb = findProgram("Xvfb");
        m_xdotool = findProgram("xdotool");
        if (m_xvfb.empty() || m_xdotool.empty())
            GTEST_SKIP() << "Xvfb or xdotool is not installed (scripts/install-deps.sh installs both)";
    }
    // The simulator and the connection go before the server does: Xlib ends
    // the process when its server disappears.
    void TearDown() override
    {
        m_shell.reset();
        if (m_display)
            XCloseDisplay(m_display);
        m_xserver.reset();
    }

    // Starts an X server with one screen of this size ("WIDTHxHEIGHTxDEPTH")
    // for this process and the ones it starts (call it under
    // ASSERT_NO_FATAL_FAILURE).
    void startDisplay(const std::string& screen)
    {
        m_xserver = std::make_unique<VirtualDisplay>(m_xvfb, screen);
        std::string const display = m_xserver->display();
        ASSERT_FALSE(display.empty()) << "Xvfb did not start";
        setenv("DISPLAY", display.c_str(), 1);
        m_display = XOpenDisplay(display.c_str());
        ASSERT_NE(m_display, nullptr);
    }

    // Starts drawlet-sim in its window with the temporary home, these options
    // and its output in file("sim-output.txt"), then waits for the window
    // (call it under ASSERT_NO_FATAL_FAILURE).
    void startSimulator(const std::vector<std::string>& options)
    {
        std::vector<std::string> arguments { kSimulator, "--home", home().string() };
        arguments.insert(arguments.end(), options.begin(), options.end());
        // SDL unloads the X libraries it loaded itself when it quits, so the
        // leak checker of a sanitizer build finds their one-time allocations
        // in modules it can no longer name, and no suppression can match
        // them. The window's process is run without it; the headless tests
        // check our code.
        char const* sanitizerOptions = std::getenv("ASAN_OPTIONS");
        std::string const saved = sanitizerOptions ? sanitizerOptions : "";
        setenv("ASAN_OPTIONS", (saved.empty() ? std::string("detect_leaks=0") : saved + ":detect_leaks=0").c_str(), 1);
        m_shell = std::make_unique<ChildProcess>(arguments, file("sim-output.txt"));
        if (sanitizerOptions)
            setenv("ASAN_OPTIONS", saved.c_str(), 1);
        else
            unsetenv("ASAN_OPTIONS");
        ASSERT_TRUE(m_shell->started());

        // Keys sent to a window found before it is mapped can be refused
        // (the renderer may replace the first X window), so wait for a
        // window of that name that is on screen.
        std::string found;
        ASSERT_TRUE(waitFor(
            [&] {
                found = xdotool({ "search", "--onlyvisible", "--name", "^Drawlet$" }).value_or("");
                return !found.empty();
            },
            kLimit))
            << "no window: " << readFile(file("sim-output.txt")) << log();
        m_window = std::stoul(found);
    }

    // xdotool with these arguments; its output, or nothing when it failed.
    std::optional<std::string> xdotool(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), m_xdotool);
        ChildProcess tool(arguments, file("xdotool.txt"));
        if (tool.wait(std::chrono::seconds(30)) != 0)
            return std::nullopt;
        return readFile(file("xdotool.txt"));
    }

    // The window's size in pixels as the X server has it; 0 × 0 when it
    // cannot tell.
    WindowSize windowSize() const
    {
        XWindowAttributes attributes {};
        if (XGetWindowAttributes(m_display, m_window, &attributes) == 0)
            return {};
        return { attributes.width, attributes.height };
    }

    std::unique_ptr<ChildProcess> m_shell;
    std::unique_ptr<VirtualDisplay> m_xserver;
    std::string m_xvfb;
    std::string m_xdotool;
    Display* m_display = nullptr;
    Window m_window = 0;
};

}
