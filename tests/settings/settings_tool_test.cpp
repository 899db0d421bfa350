// drawlet-settings as a user runs it: output, exit status, and the
// notification a running shell receives.

#include "foundation/PlistTestSupport.h"

#include "settings/SettingsPaths.h"

#include "dispatch/RunLoop.h"
#include "notifications/Bus.h"
#include "notifications/CFNotificationCenter.h"
#include "support/ForkedTest.h"

#include <chrono>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace plisttest;

namespace {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

ToolRun runTool(const ScratchFolder& folder, std::vector<std::string> arguments)
{
    std::string const tool = std::string(DRAWLET_BUILD_DIR) + "/bin/drawlet-settings";
    std::string const outPath = folder.file("tool.out");
    std::string const errPath = folder.file("tool.err");
    arguments.insert(arguments.begin(), tool);
    std::fflush(nullptr);
    pid_t child = fork();
    if (child == 0) {
        int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        std::vector<char*> argv;
        argv.reserve(arguments.size() + 1);
        for (auto& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        execv(tool.c_str(), argv.data());
        _exit(127);
    }
    ToolRun run;
    int status = 0;
    waitpid(child, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readBytes(outPath);
    run.err = readBytes(errPath);
    return run;
}

class SettingsTool : public ::testing::Test {
protected:
    ToolRun tool(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), { "--home", home });
        return runTool(folder, arguments);
    }

    ScratchFolder folder;
    std::string home = folder.path() + "/home";
    std::string file = settings::settingsFilePath(home);
};

int g_notifications = 0;

void countNotification(CFNotificationCenterRef, void*, CFStringRef, const void*, CFDictionaryRef)
{
    ++g_notifications;
}

}

TEST_F(SettingsTool, SetGetDeleteReset)
{
    EXPECT_EQ(tool({ "set", "smallGrabber", "YES" }).status, 0);
    EXPECT_EQ(tool({ "set", "customArrowColor", "#112233" }).status, 0);
    EXPECT_EQ(tool({ "set", "--string", "startupApp", "true" }).status, 0);
    EXPECT_EQ(tool({ "set", "offset", "--", "-3" }).status, 0);
    ToolRun all = tool({ "get" });
    EXPECT_EQ(all.status, 0);
    EXPECT_EQ(all.out, "smallGrabber = true\ncustomArrowColor = #112233\nstartupApp = true\noffset = -3\n");
    ToolRun one = tool({ "get", "customArrowColor" });
    EXPECT_EQ(one.out, "customArrowColor = #112233\n");

    EXPECT_EQ(tool({ "delete", "customArrowColor" }).status, 0);
    ToolRun absent = tool({ "get", "customArrowColor" });
    EXPECT_EQ(absent.status, 1);
    EXPECT_EQ(absent.out, "");
    EXPECT_NE(absent.err.find("customArrowColor"), std::string::npos);
    EXPECT_EQ(tool({ "delete", "customArrowColor" }).status, 0);

    EXPECT_EQ(tool({ "reset" }).status, 0);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(tool({ "get" }).out, "");
    EXPECT_EQ(tool({ "get", "smallGrabber" }).status, 1);
}

TEST_F(SettingsTool, RefusesWhatItCannotStoreOrRead)
{
    ToolRun overflow = tool({ "set", "big", "123456789012345678901234567890" });
    EXPECT_EQ(overflow.status, 2);
    EXPECT_NE(overflow.err.find("--string"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(file));

    std::filesystem::create_directories(settings::preferencesFolder(home));
    writeBytes(file, "<plist><dict><key>tweakEnabled</key><true/>");
    FileStamp const before = stampOf(file);
    for (auto const& arguments : std::vector<std::vector<std::string>> { { "set", "smallGrabber", "true" }, { "delete", "tweakEnabled" }, { "get" } }) {
        ToolRun refused = tool(arguments);
        EXPECT_EQ(refused.status, 2) << arguments[0];
        EXPECT_NE(refused.err.find("cannot read " + file), std::string::npos) << refused.err;
    }
    EXPECT_EQ(stampOf(file), before);
    EXPECT_NE(tool({ "set", "onlyKey" }).status, 0);
    EXPECT_NE(tool({ "frobnicate" }).status, 0);
}

TEST_F(SettingsTool, SucceedsWithoutARunningShell)
{
    EXPECT_EQ(tool({ "set", "smallGrabber", "true" }).status, 0) << "no bus file";
    std::filesystem::create_directories(home);
    writeBytes(settings::busAddressFilePath(home), "unix:path=" + folder.file("no-such-socket") + "\n");
    EXPECT_EQ(tool({ "set", "iconOnly", "true" }).status, 0) << "a bus file left by a simulator that is gone";
    EXPECT_EQ(tool({ "--bus", "unix:path=/nonexistent/bus", "delete", "iconOnly" }).status, 0);
    EXPECT_EQ(tool({ "get" }).out, "smallGrabber = true\n");
}

FORKED_TEST(SettingsToolOnABus, RunningShellIsTold)
{
    foundation::registerClasses();
    AutoreleasePool pool;
    ScratchFolder folder;
    std::string const home = folder.path() + "/home";
    std::string const address = notifications::startPrivateBusDaemon();
    ASSERT_FALSE(address.empty());
    ASSERT_TRUE(notifications::connectToBus(address));
    CFNotificationCenterAddObserver(CFNotificationCenterGetDarwinNotifyCenter(), nullptr, countNotification,
        NSString::make(settings::kSettingsChangedNotification), nullptr, CFNotificationSuspensionBehaviorDeliverImmediately);
    std::filesystem::create_directories(home);
    writeBytes(settings::busAddressFilePath(home), address + "\n");

    auto waitForNotifications = [](int count) {
        // A bound for a hang, never a measure: the post is immediate.
        auto const giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (g_notifications < count && std::chrono::steady_clock::now() < giveUp)
            dispatch::RunLoop::main().runFor(0.01);
    };
    EXPECT_EQ(runTool(folder, { "--home", home, "set", "smallGrabber", "true" }).status, 0);
    waitForNotifications(1);
    EXPECT_EQ(g_notifications, 1);
    EXPECT_EQ(runTool(folder, { "--home", home, "--bus", address, "reset" }).status, 0);
    waitForNotifications(2);
    EXPECT_EQ(g_notifications, 2);
    notifications::disconnectFromBus();
    notifications::stopPrivateBusDaemon();
}
