// drawlet-sim run as a program: each case has its own temporary home and its
// own private bus (the simulator starts one when no --bus is given).
#include "ProgramRun.h"
#include "ReadmeVerbs.h"
#include "TextSearch.h"

#include "dispatch/RunLoop.h"
#include "foundation/NSNumber.h"
#include "foundation/NSString.h"
#include "foundation/PropertyList.h"
#include "notifications/Bus.h"
#include "notifications/CFNotificationCenter.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace simtest;

namespace {

const std::string kSimulator = DRAWLET_BUILD_DIR "/bin/drawlet-sim";
const std::string kSettingsTool = DRAWLET_BUILD_DIR "/bin/drawlet-settings";
const fs::path kBuildRoot = DRAWLET_DEVICE_ROOT;
const std::string kLogLine = R"(^\d+\.\d{3} SpringBoard\[\d+\]: )";

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream stream(text);
    std::string line;
    while (std::getline(stream, line))
        result.push_back(line);
    return result;
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

bool buildHasDrawlet()
{
    return fs::exists(kBuildRoot / "Library/MobileSubstrate/DynamicLibraries/Drawlet.so");
}

class Simulator : public testing::Test {
protected:
    fs::path home() const { return m_folder.path() / "home"; }
    fs::path logFile() const { return m_folder.path() / "sim.log"; }
    fs::path settingsFile() const { return home() / "Library/Preferences/com.quillbrook.drawlet-preferences.plist"; }

    // A device root with two probe libraries: one whose filter names the shell,
    // one for every application but the shell.
    fs::path probeRoot()
    {
        fs::path root = m_folder.path() / "root";
        fs::path folder = root / "Library/MobileSubstrate/DynamicLibraries";
        fs::create_directories(folder);
        fs::copy_file(LOADER_PROBE_DIR "/LoaderProbeA.so", folder / "ShellProbe.so");
        writeFile(folder / "ShellProbe.plist", R"(<plist version="1.0"><dict><key>Filter</key><dict><key>Bundles</key><array><string>com.apple.springboard</string></array></dict></dict></plist>)");
        fs::copy_file(LOADER_PROBE_DIR "/LoaderProbeB.so", folder / "ClientProbe.so");
        writeFile(folder / "ClientProbe.plist", R"(<plist version="1.0"><dict><key>Filter</key><dict><key>Bundles</key><array><string>com.apple.UIKit</string></array><key>ExcludeExecutables</key><array><string>SpringBoard</string></array></dict></dict></plist>)");
        return root;
    }

    // Runs the simulator with `arguments` after the program name; the script
    // text, when given, is passed with --script. Returns the exit status.
    int run(std::vector<std::string> arguments, const std::string& script = {})
    {
        if (!script.empty()) {
            writeFile(m_folder.path() / "script.txt", script);
            arguments.push_back("--script");
            arguments.push_back((m_folder.path() / "script.txt").string());
        }
        arguments.insert(arguments.begin(), kSimulator);
        ChildProcess child(arguments, outputFile());
        EXPECT_TRUE(child.started());
        int status = child.wait();
        m_output = readFile(outputFile());
        EXPECT_NE(status, -1) << "drawlet-sim did not finish";
        return status;
    }

    int runHeadless(const std::string& script, std::vector<std::string> extra = {})
    {
        // The log file is appended to; each run starts a fresh one.
        fs::remove(logFile());
        std::vector<std::string> arguments { "--headless", "--home", home().string(), "--log", logFile().string() };
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return run(arguments, script);
    }

    fs::path outputFile() const { return m_folder.path() / "output.txt"; }
    std::string log() const { return readFile(logFile()); }

    TemporaryFolder m_folder;
    std::string m_output;
};

}

TEST_F(Simulator, HelpDescribesEveryOption)
{
    EXPECT_EQ(run({ "--help" }), 0);
    for (auto const* option : { "--home", "--root", "--bus", "--screen", "--without-class", "--no-inject", "--headless", "--script", "--log" })
        EXPECT_TRUE(contains(m_output, option)) << option;
}

TEST_F(Simulator, WrongOptionsExitWithStatusTwo)
{
    for (auto const& arguments : std::vector<std::vector<std::string>> {
             { "--screen", "0x568" }, { "--screen", "320" }, { "--screen", "320x568x2" }, { "--root", "/nonexistent/root" },
             { "--no-such-option" }, { "--script", "/nonexistent/script.txt" }, { "--log", "/nonexistent/folder/sim.log", "--headless" } })
        EXPECT_EQ(run(arguments), 2) << arguments[0] << " " << (arguments.size() > 1 ? arguments[1] : "");
}

TEST_F(Simulator, ScriptIsCheckedWholeBeforeAnythingStarts)
{
    EXPECT_EQ(runHeadless("wait 1\nsettings set smallGrabber true\ntapp 10 20\nwait\n"), 2);
    EXPECT_TRUE(contains(m_output, "script.txt:3: unknown verb \"tapp\"")) << m_output;
    EXPECT_TRUE(contains(m_output, "script.txt:4: wait: too few arguments")) << m_output;
    EXPECT_FALSE(fs::exists(home())) << "nothing runs, not even the home's set-up";
}

TEST_F(Simulator, HeadlessRunLogsInVirtualTimeInTheOneFormat)
{
    auto root = probeRoot();
    EXPECT_EQ(runHeadless("wait 1.25\npost darwin com.example.anything\nquit\nwait 100\n", { "--root", root.string() }), 0) << m_output;

    auto const logLines = lines(log());
    ASSERT_FALSE(logLines.empty());
    for (auto const& line : logLines)
        EXPECT_TRUE(containsMatch(line, kLogLine)) << line;
    // The same lines, in the same order, on standard error.
    std::vector<std::string> printed;
    for (auto const& line : lines(m_output)) {
        if (containsMatch(line, kLogLine))
            printed.push_back(line);
    }
    EXPECT_EQ(printed, logLines);

    EXPECT_TRUE(contains(log(), "probe A loaded")) << "the shell's library is loaded";
    EXPECT_FALSE(contains(log(), "probe B loaded")) << "the applications' library is not";
    EXPECT_TRUE(fs::is_directory(home() / "Library/Preferences")) << "the home gets the device's folders";
    EXPECT_FALSE(fs::exists(home() / ".drawlet-bus")) << "the bus address is removed at exit";
}

TEST_F(Simulator, NoInjectLoadsNothing)
{
    auto root = probeRoot();
    EXPECT_EQ(runHeadless("wait 1\n", { "--root", root.string(), "--no-inject" }), 0) << m_output;
    EXPECT_FALSE(contains(log(), "probe A loaded"));
    EXPECT_FALSE(contains(log(), "MS:Notice"));
}

TEST_F(Simulator, AFailingCommandIsLoggedAndTheRunGoesOnToStatusOne)
{
    // A directory where the settings file should be: it can be neither read nor written.
    fs::create_directories(settingsFile());
    EXPECT_EQ(runHeadless("wait 1.5\nsettings set smallGrabber true\nwait 1\nsettings delete smallGrabber\nquit\n", { "--no-inject" }), 1) << m_output;
    auto const text = log();
    EXPECT_TRUE(containsMatch(text, R"((^|\n)1\.500 SpringBoard\[\d+\]: drawlet-sim: script line 2: )")) << text;
    EXPECT_TRUE(containsMatch(text, R"((^|\n)2\.500 SpringBoard\[\d+\]: drawlet-sim: script line 4: )")) << text;
    EXPECT_TRUE(fs::is_directory(settingsFile())) << "nothing is overwritten";
}

TEST_F(Simulator, SettingsVerbsWriteTypedValues)
{
    EXPECT_EQ(runHeadless("settings set smallGrabber true\nsettings set --string label YES\nsettings set count 3\n"
                          "settings set customGrabberColor \"#FF8800:0.5\"\nsettings set gone 1\nsettings delete gone\n",
                  { "--no-inject" }),
        0)
        << m_output;
    foundation::registerClasses();
    AutoreleasePool pool;
    NSDictionary* settings = foundation::readPropertyListDictionary(settingsFile().string());
    ASSERT_NE(settings, nullptr);
    auto* smallGrabber = static_cast<NSNumber*>(settings->objectForKey("smallGrabber"));
    ASSERT_TRUE(foundation::isKindOf(smallGrabber, foundation::NSNumberClass()));
    EXPECT_EQ(smallGrabber->kind, NSNumber::Kind::Bool);
    EXPECT_TRUE(smallGrabber->boolValue());
    auto* label = settings->objectForKey("label");
    ASSERT_TRUE(foundation::isKindOf(label, foundation::NSStringClass()));
    EXPECT_EQ(static_cast<NSString*>(label)->value, "YES");
    auto* count = static_cast<NSNumber*>(settings->objectForKey("count"));
    ASSERT_TRUE(foundation::isKindOf(count, foundation::NSNumberClass()));
    EXPECT_EQ(count->integerValue(), 3);
    auto* colour = settings->objectForKey("customGrabberColor");
    ASSERT_TRUE(foundation::isKindOf(colour, foundation::NSStringClass()));
    EXPECT_EQ(static_cast<NSString*>(colour)->value, "#FF8800:0.5");
    EXPECT_EQ(settings->objectForKey("gone"), nullptr);
}

TEST_F(Simulator, OptionsForOtherPhonesAndShellVersionsAreAccepted)
{
    EXPECT_EQ(runHeadless("wait 1\n", { "--screen", "320x568", "--without-class", "SpringBoard", "--without-class", "SBUIController" }), 0) << m_output;
    if (buildHasDrawlet()) {
        // The library cannot find the class by name, yet the shell launched:
        // one failure line per replacement of the class, escape bytes kept.
        std::string const failure = "]: \x1b[1;31m[Drawlet] \x1b[m\x1b[0;31mTweak:1212\x1b[m \x1b[0;30;41mERROR:\x1b[m logos: nil class SpringBoard\n";
        std::string const text = log();
        size_t count = 0;
        for (size_t at = text.find(failure); at != std::string::npos; at = text.find(failure, at + 1))
            ++count;
        EXPECT_EQ(count, 3u) << text;
    }
    EXPECT_EQ(runHeadless("", { "--screen", "414x736", "--no-inject" }), 0) << "headless without a script starts and ends";
}

TEST_F(Simulator, EveryReadmeExampleRuns)
{
    std::string script;
    std::string quit;
    // Files the examples write go to this case's folder instead of /tmp.
    auto const local = [this](std::string example) {
        std::string const folder = m_folder.path().string() + "/";
        for (size_t at = 0; (at = example.find("/tmp/", at)) != std::string::npos; at += folder.size())
            example.replace(at, 5, folder);
        return example;
    };
    for (auto const& row : readmeVerbs()) {
        for (auto const& example : row.examples)
            (example == "quit" ? quit : script) += local(example) + "\n";
    }
    ASSERT_FALSE(script.empty());
    EXPECT_EQ(runHeadless(script + quit), 0) << m_output;
}

TEST_F(Simulator, SettingsChangeReachesDrawletInTheShell)
{
    if (!buildHasDrawlet())
        GTEST_SKIP() << "Drawlet.so is not built";
    EXPECT_EQ(runHeadless("wait 1\nsettings set smallGrabber true\nwait 0.1\npost darwin com.quillbrook.drawlet-preferences/settingschanged\nwait 1\n"), 0) << m_output;
    auto const text = log();
    // One reload 0.2 s after each notification, each reading the file afresh.
    EXPECT_TRUE(containsMatch(text, R"((^|\n)1\.200 SpringBoard\[\d+\]: \[Drawlet\] updating preferecnes smallGrabber:YES )")) << text;
    EXPECT_TRUE(containsMatch(text, R"((^|\n)1\.300 SpringBoard\[\d+\]: \[Drawlet\] updating preferecnes smallGrabber:YES )")) << text;

    EXPECT_EQ(runHeadless("settings set smallGrabber true\nwait 1\n", { "--no-inject" }), 0);
    EXPECT_FALSE(contains(log(), "[Drawlet]")) << "--no-inject: the shell alone";
}

TEST_F(Simulator, LogNamesFilesByTheirDevicePaths)
{
    if (!buildHasDrawlet())
        GTEST_SKIP() << "Drawlet.so is not built";
    EXPECT_EQ(runHeadless("wait 1\n"), 0) << m_output;
    auto const text = log();
    EXPECT_TRUE(contains(text, "]: MS:Notice: Loading: /Library/MobileSubstrate/DynamicLibraries/Drawlet.so\n")) << text;
    EXPECT_TRUE(contains(text, "]: [Drawlet] imagePath: /Library/MobileSubstrate/DynamicLibraries/DrawletBundle.bundle/pointer_out.png\n")) << text;
    EXPECT_FALSE(contains(text, DRAWLET_BUILD_DIR)) << "no host path of the build tree: " << text;
}

// A real-time shell that runs until killed, and the settings tool finding it
// through the address it left in the home.
TEST_F(Simulator, SettingsToolReachesARunningShellOverItsPrivateBus)
{
    fs::create_directories(home());
    ChildProcess shell({ kSimulator, "--home", home().string(), "--log", logFile().string() }, outputFile());
    ASSERT_TRUE(shell.started());
    fs::path const addressFile = home() / ".drawlet-bus";
    ASSERT_TRUE(waitFor([&] { return !readFile(addressFile).empty(); })) << readFile(outputFile());
    EXPECT_EQ(readFile(addressFile).rfind("unix:", 0), 0u) << readFile(addressFile);

    if (fs::exists(kSettingsTool)) {
        ChildProcess tool({ kSettingsTool, "--home", home().string(), "set", "smallGrabber", "true" }, m_folder.path() / "tool.txt");
        EXPECT_EQ(tool.wait(), 0) << readFile(m_folder.path() / "tool.txt");
        if (buildHasDrawlet()) {
            EXPECT_TRUE(waitFor([&] { return contains(log(), "[Drawlet] updating preferecnes smallGrabber:YES"); })) << log();
        }
    }

    shell.signal(SIGTERM);
    EXPECT_EQ(shell.wait(), 128 + SIGTERM);
    EXPECT_FALSE(fs::exists(addressFile)) << "the address goes with the shell";
}

namespace {

int g_received = 0;

void countReceived(CFNotificationCenterRef, void*, CFStringRef, const void*, CFDictionaryRef)
{
    ++g_received;
}

}

// --bus joins a bus someone else runs: a post in the shell reaches this process.
TEST_F(Simulator, JoinsTheBusItIsGiven)
{
    foundation::registerClasses();
    std::string const address = notifications::startPrivateBusDaemon();
    ASSERT_FALSE(address.empty());
    ASSERT_TRUE(notifications::connectToBus(address));
    CFNotificationCenterAddObserver(CFNotificationCenterGetDarwinNotifyCenter(), &g_received, countReceived,
        NSSTR("com.example.from-the-shell"), nullptr, CFNotificationSuspensionBehaviorDeliverImmediately);
    auto& loop = dispatch::RunLoop::main();
    loop.runFor(0.05);

    writeFile(m_folder.path() / "script.txt", "post darwin com.example.from-the-shell\nquit\n");
    ChildProcess shell({ kSimulator, "--headless", "--no-inject", "--home", home().string(), "--bus", address,
                           "--script", (m_folder.path() / "script.txt").string() },
        outputFile());
    ASSERT_TRUE(shell.started());
    EXPECT_EQ(shell.wait(), 0) << readFile(outputFile());
    EXPECT_TRUE(waitFor([&] { loop.runFor(0.02); return g_received > 0; })) << readFile(outputFile());
    EXPECT_EQ(g_received, 1);
    EXPECT_FALSE(fs::exists(home() / ".drawlet-bus")) << "only a private bus is announced in the home";

    notifications::resetCenters();
    notifications::disconnectFromBus();
    notifications::stopPrivateBusDaemon();
}

TEST_F(Simulator, ABusThatCannotBeJoinedStopsTheShell)
{
    EXPECT_EQ(runHeadless("wait 1\n", { "--bus", "unix:path=/nonexistent/drawlet/bus" }), 1) << m_output;
    EXPECT_TRUE(contains(m_output, "cannot join the bus at unix:path=/nonexistent/drawlet/bus")) << m_output;
}

// Even killed outright, the shell takes its private bus down with it.
TEST_F(Simulator, KilledShellTakesItsPrivateBusAlong)
{
    fs::create_directories(home());
    ChildProcess shell({ kSimulator, "--no-inject", "--home", home().string() }, outputFile());
    ASSERT_TRUE(shell.started());
    fs::path const addressFile = home() / ".drawlet-bus";
    ASSERT_TRUE(waitFor([&] { return !readFile(addressFile).empty(); })) << readFile(outputFile());
    std::string address = readFile(addressFile);
    address.erase(address.find_last_not_of('\n') + 1);

    foundation::registerClasses();
    auto busAnswers = [&] {
        bool joined = notifications::connectToBus(address);
        notifications::disconnectFromBus();
        return joined;
    };
    ASSERT_TRUE(busAnswers()) << address;

    shell.signal(SIGKILL);
    EXPECT_EQ(shell.wait(), 128 + SIGKILL);
    EXPECT_TRUE(waitFor([&] { return !busAnswers(); })) << "the private dbus-daemon outlived the shell";
}
