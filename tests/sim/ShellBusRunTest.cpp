// A real-time drawlet-sim driven and watched by the standard D-Bus tools, as
// the README shows, and ended by signals as `quit` ends it.
#include "SimulatorRun.h"

#include <cerrno>
#include <cstdlib>
#include <memory>

namespace fs = std::filesystem;
using namespace simtest;

namespace {

const std::string kSettingsChanged = "com.quillbrook.drawlet-preferences/settingschanged";

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The program's path on PATH, or "".
std::string findTool(const std::string& name)
{
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "/usr/bin:/bin");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        fs::path const candidate = fs::path(folder) / name;
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate.string();
    }
    return {};
}

// The processes whose parent is `parent`.
std::vector<pid_t> childrenOf(pid_t parent)
{
    std::vector<pid_t> children;
    std::error_code error;
    for (auto const& entry : fs::directory_iterator("/proc", error)) {
        std::string const stat = readFile(entry.path() / "stat");
        // "pid (command) state ppid ...": the command may hold anything.
        size_t const end = stat.rfind(')');
        if (end == std::string::npos)
            continue;
        std::istringstream rest(stat.substr(end + 1));
        char state = 0;
        pid_t ppid = 0;
        if (rest >> state >> ppid && ppid == parent)
            children.push_back(static_cast<pid_t>(std::stol(entry.path().filename().string())));
    }
    return children;
}

// Gone, or a zombie nobody has reaped yet: it runs no more.
bool hasEnded(pid_t pid)
{
    if (::kill(pid, 0) != 0 && errno == ESRCH)
        return true;
    std::string const stat = readFile("/proc/" + std::to_string(pid) + "/stat");
    size_t const end = stat.rfind(')');
    return end == std::string::npos || stat.substr(end + 2, 1) == "Z";
}

class ShellOnItsBus : public SimulatorRun {
protected:
    fs::path addressFile() const { return home() / ".drawlet-bus"; }

    // Starts drawlet-sim in real time with these options and waits for the
    // address of its private bus (call it under ASSERT_NO_FATAL_FAILURE).
    void startShell(std::vector<std::string> options)
    {
        fs::create_directories(home());
        options.insert(options.begin(), { kSimulator, "--home", home().string(), "--log", logFile().string() });
        m_shell = std::make_unique<ChildProcess>(options, file("output.txt"));
        ASSERT_TRUE(m_shell->started());
        ASSERT_TRUE(waitFor([&] { return !readFile(addressFile()).empty(); })) << readFile(file("output.txt"));
        m_address = readFile(addressFile());
        m_address.erase(m_address.find_last_not_of('\n') + 1);
    }

    // Drawlet on, in a shell that has read its settings once; then
    // smallGrabber is changed in the file behind its back (no notification).
    void startShellWithAnUnannouncedChange()
    {
        if (!drawletBuilt())
            GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
        fs::create_directories(home());
        ASSERT_TRUE(setting({ "tweakEnabled", "true" }));
        ASSERT_NO_FATAL_FAILURE(startShell({}));
        ASSERT_TRUE(waitFor([&] { return contains(log(), "[Drawlet] updating preferecnes smallGrabber:NO"); })) << log();
        ChildProcess tool({ kSettingsTool, "--home", home().string(), "--bus", "unix:path=/nonexistent/bus", "set", "smallGrabber", "true" },
            file("tool.txt"));
        ASSERT_EQ(tool.wait(), 0) << readFile(file("tool.txt"));
    }

    bool reloaded() const { return contains(log(), "[Drawlet] updating preferecnes smallGrabber:YES"); }

    // Runs a tool to its end; its exit status, its output in `output`.
    int runTool(const std::vector<std::string>& arguments, std::string* output = nullptr)
    {
        ChildProcess tool(arguments, file("tool.txt"));
        int const status = tool.wait(std::chrono::seconds(30));
        if (output)
            *output = readFile(file("tool.txt"));
        return status;
    }

    std::unique_ptr<ChildProcess> m_shell;
    std::string m_address;
};

}

// busctl emit posts a Darwin notification: the shell reads its settings
// again. A signal of the interface with the wrong arguments is dropped with
// a log line, and the shell goes on.
TEST_F(ShellOnItsBus, BusctlEmitPostsTheSettingsNotification)
{
    std::string const busctl = findTool("busctl");
    if (busctl.empty())
        GTEST_SKIP() << "busctl is not installed (Debian package systemd)";
    ASSERT_NO_FATAL_FAILURE(startShellWithAnUnannouncedChange());
    std::string output;
    std::vector<std::string> const emit { busctl, "--address=" + m_address, "emit", "/org/drawlet/Notifications", "org.drawlet.Notifications" };
    auto with = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), emit.begin(), emit.end());
        return arguments;
    };
    ASSERT_EQ(runTool(with({ "KeyboardFocus", "i", "3" }), &output), 0) << output;
    ASSERT_EQ(runTool(with({ "Darwin", "s", kSettingsChanged }), &output), 0) << output;
    EXPECT_TRUE(waitFor([&] { return reloaded(); })) << log();
    EXPECT_TRUE(contains(log(), "notifications: dropped a malformed KeyboardFocus signal from :1.")) << log();
}

// dbus-send posts it with --bus (which registers with the bus first).
TEST_F(ShellOnItsBus, DbusSendPostsTheSettingsNotification)
{
    std::string const dbusSend = findTool("dbus-send");
    if (dbusSend.empty())
        GTEST_SKIP() << "dbus-send is not installed (Debian package dbus-bin)";
    ASSERT_NO_FATAL_FAILURE(startShellWithAnUnannouncedChange());
    std::string output;
    ASSERT_EQ(runTool({ dbusSend, "--bus=" + m_address, "--type=signal", "/org/drawlet/Notifications", "org.drawlet.Notifications.Darwin",
                          "string:" + kSettingsChanged },
                  &output),
        0)
        << output;
    EXPECT_TRUE(waitFor([&] { return reloaded(); })) << log();
}

// dbus-monitor sees the status-bar notification the shell sends when the
// phone has locked.
TEST_F(ShellOnItsBus, DbusMonitorSeesTheStatusBarNotification)
{
    std::string const dbusSend = findTool("dbus-send");
    std::string const dbusMonitor = findTool("dbus-monitor");
    if (dbusSend.empty() || dbusMonitor.empty())
        GTEST_SKIP() << "dbus-send or dbus-monitor is not installed (Debian package dbus-bin)";
    if (!drawletBuilt())
        GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
    fs::create_directories(home());
    ASSERT_TRUE(setting({ "tweakEnabled", "true" }));
    ASSERT_NO_FATAL_FAILURE(startShell({}));
    ChildProcess monitor({ dbusMonitor, "--address", m_address,
                             "type='signal',interface='org.drawlet.Notifications',member='Distributed',arg0='com.quillbrook.drawlet.changeHostedAppStatusBar'" },
        file("monitor.txt"));
    // It has become a monitor once the bus has taken its name away.
    ASSERT_TRUE(waitFor([&] { return contains(readFile(file("monitor.txt")), "NameLost"); })) << readFile(file("monitor.txt"));
    std::string output;
    ASSERT_EQ(runTool({ dbusSend, "--bus=" + m_address, "--type=signal", "/org/drawlet/Notifications", "org.drawlet.Notifications.Darwin",
                          "string:com.apple.springboard.lockcomplete" },
                  &output),
        0)
        << output;
    EXPECT_TRUE(waitFor([&] { return contains(readFile(file("monitor.txt")), "string \"com.quillbrook.drawlet.changeHostedAppStatusBar\""); }))
        << readFile(file("monitor.txt")) << log();
    monitor.signal(SIGTERM);
    monitor.wait();
}

// SIGTERM and SIGINT end the shell as quit does: its application and its
// private bus end, and neither the bus's folder nor its address stays
// behind; the exit tells the parent which signal it was. A second signal
// while the shell winds down ends it at once.
TEST_F(ShellOnItsBus, ASignalEndsTheShellAsQuitDoes)
{
    struct Case {
        int signal;
        bool twice;
    };
    for (auto const [signal, twice] : { Case { SIGTERM, false }, Case { SIGINT, false }, Case { SIGTERM, true } }) {
        SCOPED_TRACE(std::string(strsignal(signal)) + (twice ? " twice" : ""));
        writeFile(file("script.txt"), "launch com.drawlet.demo.notes\nwait 600\n");
        fs::remove(logFile());
        ASSERT_NO_FATAL_FAILURE(startShell({ "--no-inject", "--script", file("script.txt").string() }));
        ASSERT_TRUE(waitFor([&] { return contains(log(), "frontboard: launched com.drawlet.demo.notes"); })) << log();
        std::vector<pid_t> const children = childrenOf(m_shell->pid());
        ASSERT_EQ(children.size(), 2u) << "the bus and the application";
        fs::path const busFolder = fs::path(m_address.substr(m_address.find('/'), m_address.find(',') - m_address.find('/'))).parent_path();
        ASSERT_TRUE(fs::exists(busFolder)) << m_address;

        m_shell->signal(signal);
        if (twice)
            m_shell->signal(signal);
        EXPECT_EQ(m_shell->wait(std::chrono::seconds(30)), 128 + signal) << readFile(file("output.txt"));
        EXPECT_FALSE(fs::exists(addressFile()));
        for (pid_t child : children)
            EXPECT_TRUE(waitFor([&] { return hasEnded(child); }, std::chrono::seconds(10))) << child;
        if (twice)
            continue;
        EXPECT_FALSE(fs::exists(busFolder));
        EXPECT_TRUE(contains(log(), std::string("drawlet-sim: ") + (signal == SIGTERM ? "SIGTERM" : "SIGINT") + " received; ending as quit does")) << log();
    }
}
