// The test process plays the shell: it starts real application processes
// through frontboard, posts on the distributed center over a private bus, and
// reads the applications' frames and log lines.
#include "sim/ProgramRun.h"
#include "support/ForkedTest.h"
#include "support/StatusBarPixels.h"

#include "dispatch/RunLoop.h"
#include "foundation/NSDictionary.h"
#include "foundation/NSNumber.h"
#include "foundation/NSObject.h"
#include "foundation/NSString.h"
#include "foundation/SystemLog.h"
#include "frontboard/ApplicationProcesses.h"
#include "notifications/Bus.h"
#include "notifications/BusSession.h"
#include "notifications/CFNotificationCenter.h"
#include "notifications/UserInfoCoding.h"
#include "runtime/AutoreleasePool.h"

#include <csignal>
#include <filesystem>

namespace fs = std::filesystem;
using frontboard::ApplicationProcesses;
using frontboard::ApplicationState;
using frontboard::SceneState;

namespace {

constexpr const char* kNotes = "com.drawlet.demo.notes";
constexpr const char* kGrid = "com.drawlet.demo.grid";
constexpr const char* kStatusBarName = "com.quillbrook.drawlet.changeHostedAppStatusBar";

size_t countOccurrences(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

bool loggedByShell(const std::string& part)
{
    for (auto const& message : systemlog::capturedMessages()) {
        if (message.find(part) != std::string::npos)
            return true;
    }
    return false;
}

// A shell of its own: virtual time, a private bus, and drawlet-app to launch.
class Shell {
public:
    Shell()
    {
        foundation::registerClasses();
        dispatch::RunLoop::main().reset(dispatch::RunLoop::ClockMode::Virtual);
        systemlog::setWritesToStandardError(false);
        std::string const address = notifications::startPrivateBusDaemon();
        EXPECT_FALSE(address.empty());
        EXPECT_TRUE(notifications::connectToBus(address));
        ApplicationProcesses::shared().setLauncher({ DRAWLET_BUILD_DIR "/bin/drawlet-app",
            { "--root", DRAWLET_DEVICE_ROOT, "--home", (m_folder.path() / "home").string(), "--bus", address, "--headless", "--log",
                applicationLog().string() } });
    }
    ~Shell()
    {
        ApplicationProcesses::reset();
        notifications::disconnectFromBus();
        notifications::stopPrivateBusDaemon();
    }

    fs::path applicationLog() const { return m_folder.path() / "applications.log"; }

    static void launch(const char* bundleIdentifier)
    {
        std::string error;
        ASSERT_TRUE(ApplicationProcesses::shared().launch(bundleIdentifier, SceneState::Foreground, &error)) << error;
    }

    // Sends `payload` as the status-bar notification's user info, as any
    // process on the bus may, then activates both applications and lets
    // everything due at this instant run.
    static void postThenActivate(const std::vector<uint8_t>& payload)
    {
        auto* connection = notifications::BusSession::connection();
        ASSERT_NE(connection, nullptr);
        EXPECT_EQ(connection->sendDistributed(kStatusBarName, payload, true), notifications::BusConnection::SendResult::Sent);
        settle();
        std::string error;
        for (auto const* application : { kNotes, kGrid })
            EXPECT_TRUE(ApplicationProcesses::shared().activate(application, &error)) << error;
        settle();
    }

    static void settle()
    {
        auto& loop = dispatch::RunLoop::main();
        loop.runUntil(loop.nowNanoseconds());
    }

    static bool showsStatusBar(const char* bundleIdentifier)
    {
        cairo_surface_t* frame = ApplicationProcesses::shared().copyLastFrame(bundleIdentifier);
        EXPECT_NE(frame, nullptr) << bundleIdentifier;
        if (!frame)
            return false;
        bool const shown = testsupport::showsStatusBar(frame);
        cairo_surface_destroy(frame);
        return shown;
    }

private:
    simtest::TemporaryFolder m_folder;
};

std::vector<uint8_t> encoded(NSDictionary* userInfo)
{
    return notifications::encodeUserInfo(userInfo, kStatusBarName).value_or(std::vector<uint8_t> {});
}

NSDictionary* userInfoWith(id value, const std::string& extraKey = {}, id extra = nullptr)
{
    NSDictionary* userInfo = NSDictionary::mutableDictionary();
    userInfo->setObject(value, NSSTR("statusBarHidden"));
    if (extra)
        userInfo->setObject(extra, NSString::make(extraKey));
    return userInfo;
}

}

FORKED_TEST(ApplicationProcessInput, PayloadsFromAnySenderAreReadWholeOrNotAtAll)
{
    Shell shell;
    Shell::launch(kNotes);
    Shell::launch(kGrid);
    AutoreleasePool pool;

    Shell::postThenActivate(encoded(userInfoWith(NSNumber::numberWithBool(true))));
    EXPECT_FALSE(Shell::showsStatusBar(kNotes));
    EXPECT_FALSE(Shell::showsStatusBar(kGrid));

    // Bytes that are no property list are dropped before any observer sees
    // them: the last value stands.
    std::string const garbage = "bplist00 this is not what it claims";
    Shell::postThenActivate(std::vector<uint8_t>(garbage.begin(), garbage.end()));
    EXPECT_FALSE(Shell::showsStatusBar(kNotes));
    EXPECT_EQ(countOccurrences(simtest::readFile(shell.applicationLog()), "notifications: dropped \"com.quillbrook.drawlet.changeHostedAppStatusBar\""), 2u);

    // A value of another type reads as a missing key: false.
    NSDictionary* nested = NSDictionary::mutableDictionary();
    nested->setObject(NSNumber::numberWithBool(true), NSSTR("statusBarHidden"));
    Shell::postThenActivate(encoded(userInfoWith(nested)));
    EXPECT_TRUE(Shell::showsStatusBar(kNotes));
    EXPECT_TRUE(Shell::showsStatusBar(kGrid));

    // A string converts as Foundation converts it.
    Shell::postThenActivate(encoded(userInfoWith(NSSTR("YES"))));
    EXPECT_FALSE(Shell::showsStatusBar(kGrid));

    // A megabyte of user info arrives whole.
    Shell::postThenActivate(encoded(userInfoWith(NSNumber::numberWithBool(false), "padding", NSString::make(std::string(1 << 20, 'x')))));
    EXPECT_TRUE(Shell::showsStatusBar(kNotes));
    EXPECT_TRUE(Shell::showsStatusBar(kGrid));

    EXPECT_EQ(ApplicationProcesses::shared().state(kNotes), ApplicationState::Foreground);
    EXPECT_EQ(ApplicationProcesses::shared().state(kGrid), ApplicationState::Foreground);
}

FORKED_TEST(ApplicationProcessInput, StoppedAndExitedApplicationsDoNotHoldTheShellOrItsClock)
{
    Shell shell;
    Shell::launch(kNotes);
    Shell::launch(kGrid);
    AutoreleasePool pool;
    auto& processes = ApplicationProcesses::shared();
    auto& loop = dispatch::RunLoop::main();

    ASSERT_EQ(kill(processes.processIdentifier(kGrid), SIGSTOP), 0);
    Shell::postThenActivate(encoded(userInfoWith(NSNumber::numberWithBool(true))));
    loop.runFor(1.0);
    EXPECT_TRUE(loggedByShell("did not answer the clock")) << "the stopped application is dropped from the lock-step";
    EXPECT_FALSE(Shell::showsStatusBar(kNotes)) << "the running application carried on";

    ASSERT_EQ(kill(processes.processIdentifier(kNotes), SIGKILL), 0);
    CFNotificationCenterPostNotification(CFNotificationCenterGetDistributedCenter(), NSSTR(kStatusBarName), nullptr,
        userInfoWith(NSNumber::numberWithBool(false)), true);
    loop.runFor(1.0);
    EXPECT_EQ(processes.state(kNotes), ApplicationState::NotRunning);
    EXPECT_TRUE(loggedByShell("frontboard: com.drawlet.demo.notes[")) << "the exit is logged";
    EXPECT_EQ(loop.nowNanoseconds(), 2'000'000'000) << "time moved on exactly as asked";
    std::string error;
    EXPECT_TRUE(processes.activate(kNotes, &error)) << "an application that exited launches again: " << error;
}

FORKED_TEST(ApplicationProcessInput, ATurnedApplicationDrawsTurnedFramesAndRefusesNonsenseTurns)
{
    Shell shell;
    Shell::launch(kGrid);
    AutoreleasePool pool;
    auto& processes = ApplicationProcesses::shared();
    auto frameSize = [&] {
        cairo_surface_t* frame = processes.copyLastFrame(kGrid);
        EXPECT_NE(frame, nullptr);
        if (!frame)
            return std::pair { 0, 0 };
        std::pair const size { cairo_image_surface_get_width(frame), cairo_image_surface_get_height(frame) };
        cairo_surface_destroy(frame);
        return size;
    };
    EXPECT_EQ(processes.interfaceOrientation(kGrid), 1) << "applications start upright";
    EXPECT_EQ(frameSize(), (std::pair { 750, 1334 }));

    EXPECT_TRUE(processes.setInterfaceOrientation(kGrid, 3, 0.4));
    Shell::settle();
    EXPECT_EQ(processes.interfaceOrientation(kGrid), 3);
    EXPECT_EQ(frameSize(), (std::pair { 1334, 750 })) << "the same pixels, turned";
    std::string const log = simtest::readFile(shell.applicationLog());
    EXPECT_EQ(countOccurrences(log, "uikit: the scene turned to orientation 3; the status bar turns to orientation 3 in 0.40 s"), 1u) << log;

    // The application checks what the shell sends: the turn is refused and
    // the frames stay as they were.
    EXPECT_TRUE(processes.setInterfaceOrientation(kGrid, 7, 0.4));
    Shell::settle();
    EXPECT_EQ(frameSize(), (std::pair { 1334, 750 }));
    EXPECT_EQ(countOccurrences(simtest::readFile(shell.applicationLog()), "uikit: ignored the interface orientation 7"), 1u);

    EXPECT_TRUE(processes.setInterfaceOrientation(kGrid, 1, 0.4));
    Shell::settle();
    EXPECT_EQ(frameSize(), (std::pair { 750, 1334 }));
    EXPECT_FALSE(processes.setInterfaceOrientation(kNotes, 3, 0.4)) << "Notes is not running";
}
