// A real-time drawlet-sim on its private bus, ended by signals as `quit`
// ends it.
#include "SimulatorRun.h"

#include <cerrno>
#include <cstdlib>
#include <memory>

namespace fs = std::filesystem;
using namespace simtest;

namespace {

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
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

    std::unique_ptr<ChildProcess> m_shell;
    std::string m_address;
};

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
