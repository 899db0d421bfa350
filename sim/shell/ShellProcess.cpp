#include "ShellProcess.h"

#include "BorrowedApplications.h"
#include "BusAddressFile.h"
#include "Compositor.h"
#include "DevicePaths.h"
#include "DeviceRotation.h"
#include "HomeScreenTaps.h"
#include "HostedContent.h"
#include "InstalledApplications.h"
#include "PinnedApplicationNotice.h"
#include "ProcessClock.h"
#include "ScreenRecorder.h"
#include "ScriptRunner.h"
#include "SimulatorWindow.h"
#include "SoakRun.h"
#include "StatusBarTaps.h"
#include "TerminationSignals.h"

#include "activator/ActivatorClasses.h"
#include "dispatch/RunLoop.h"
#include "foundation/DevicePath.h"
#include "foundation/NSHomeDirectory.h"
#include "foundation/NSNumber.h"
#include "foundation/SystemLog.h"
#include "frontboard/ApplicationProcesses.h"
#include "notifications/Bus.h"
#include "settings/SettingsPaths.h"
#include "springboard/AppSwitcher.h"
#include "springboard/DeviceLock.h"
#include "springboard/FrontApplicationTouches.h"
#include "springboard/OnScreenKeyboard.h"
#include "springboard/SpringBoard.h"
#include "springboard/SpringBoardClasses.h"
#include "substrate/Loader.h"
#include "uikit/TouchInput.h"
#include "uikit/UIKit.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

namespace sim {

namespace fs = std::filesystem;

namespace {

void complain(const std::string& message)
{
    std::fprintf(stderr, "drawlet-sim: %s\n", message.c_str());
}

// A phone's home has these folders before anything runs.
bool prepareHome(const std::string& home)
{
    std::error_code error;
    fs::create_directories(fs::path(home) / "Library" / "Preferences", error);
    if (error) {
        complain("cannot prepare the home " + home + ": " + error.message());
        return false;
    }
    return true;
}

// Joins the bus the options name, or starts a private one. Applications and
// the settings tool reach the shell only over the bus, so a shell without one
// stops here.
bool joinBus(const SimulatorOptions& options, std::string* joined)
{
    std::string address = options.bus;
    if (address.empty()) {
        address = notifications::startPrivateBusDaemon();
        if (address.empty()) {
            complain("cannot start a private dbus-daemon (see the log line above)");
            return false;
        }
    }
    if (!notifications::connectToBus(address)) {
        complain("cannot join the bus at " + address);
        return false;
    }
    notifications::exitWhenBusDisconnects(true);
    *joined = address;
    return true;
}

// Tells drawlet-settings where the private bus is, once the shell listens on it.
void announceBus(const std::string& address, const std::string& home, BusAddressFile* addressFile)
{
    std::string error;
    if (!addressFile->write(settings::busAddressFilePath(home), address, &error))
        systemlog::write(kCFLogLevelError, "drawlet-sim: " + error + "; drawlet-settings will not find this shell");
}

void loadLibraries()
{
    substrate::ProcessIdentity shell { "SpringBoard", "com.apple.springboard", { "com.apple.springboard", "com.apple.UIKit", "com.apple.Foundation" } };
    substrate::loadLibraries(substrate::kDynamicLibraryFolder, shell);
}

// The shell knows the installed applications before anything asks for one.
void installApplications()
{
    AutoreleasePool pool;
    for (auto const& installed : apps::readInstalledApplications()) {
        SBApplication* application = SBApplication::make(installed.bundleIdentifier, installed.displayName);
        if (auto const* number = std::get_if<long long>(&installed.badgeValue))
            application->badge = NSNumber::numberWithInteger(*number);
        else if (auto const* text = std::get_if<std::string>(&installed.badgeValue))
            application->badge = NSString::make(*text);
        id icon = send<id>(uikit::UIImageClass(), "imageWithContentsOfFile:"_sel, static_cast<id>(NSString::make(installed.iconPath)));
        application->iconImage = static_cast<UIImage*>(icon);
        springboard::installApplication(application);
    }
}

std::unique_ptr<SimulatorWindow> openPhoneWindow(id shell)
{
    WindowKeys keys;
    keys.home = [shell] { send(shell, "_handleMenuButtonEvent"_sel); };
    keys.homeDoublePress = [] {
        std::string error;
        if (!springboard::presentAppSwitcher(&error))
            systemlog::write(kCFLogLevelNotice, "drawlet-sim: the switcher does not open: " + error);
    };
    keys.rotate = [](int step) { rotateDevice(orientationAfterTurning(step)); };
    // A press shorter than this locks the phone; a hold up to the second
    // limit is Activator's short hold; a longer one does nothing.
    static constexpr double kLockPressSeconds = 0.4;
    static constexpr double kLockShortHoldSeconds = 1.5;
    keys.lockButton = [](double held) {
        if (held < kLockPressSeconds)
            springboard::lockDevice();
        else if (held <= kLockShortHoldSeconds)
            activator::fireDeviceEvent(activator::kLockShortHoldEvent);
    };
    keys.unlock = [] { springboard::unlockDevice(); };
    keys.keyboardShown = [] { return springboard::isKeyboardShown(); };
    keys.type = [](const std::string& text) {
        std::string error;
        if (!springboard::typeOnKeyboard(text, &error))
            systemlog::write(kCFLogLevelNotice, "drawlet-sim: typed nothing: " + error);
    };
    keys.notify = notifyPinnedApplication;
    std::string error;
    auto window = SimulatorWindow::open(std::move(keys), &error);
    if (!window) {
        systemlog::write(kCFLogLevelNotice, "drawlet-sim: no window (" + error + "); running without one");
        return nullptr;
    }
    window->start();
    return window;
}

// Made and launched through the runtime, with the class the platform holds (the
// name may be hidden), so the libraries' replacements run.
Strong<objc_object> launchSpringBoard()
{
    Class springBoardClass = springboard::SpringBoardClass();
    auto application = adopt(send<id>(send<id>(springBoardClass, "alloc"_sel), "init"_sel));
    send(application.get(), "applicationDidFinishLaunching:"_sel, application.get());
    return application;
}

// Applications run as drawlet-app processes beside this program, on the same
// device, bus, screen, clock and log as the shell.
void setUpApplicationLauncher(const SimulatorOptions& options, const std::string& home, const std::string& root, const std::string& bus)
{
    frontboard::ApplicationLauncher launcher;
    launcher.program = (fs::path(executableFolder()) / "drawlet-app").string();
    launcher.arguments = { "--root", root, "--home", home, "--bus", bus, "--scale", std::to_string(options.scale), "--screen",
        std::to_string(options.screenWidth) + "x" + std::to_string(options.screenHeight) };
    if (options.headless)
        launcher.arguments.push_back("--headless");
    if (!options.log.empty())
        launcher.arguments.insert(launcher.arguments.end(), { "--log", sim::absolutePath(options.log) });
    for (auto const& name : options.appWithoutClasses)
        launcher.arguments.insert(launcher.arguments.end(), { "--app-without-class", name });
    if (!options.wallClock.empty())
        launcher.arguments.insert(launcher.arguments.end(), { "--wall-clock", options.wallClock });
    for (auto const& appProgram : options.appPrograms) {
        auto const equals = appProgram.find('=');
        launcher.programsByBundleIdentifier[appProgram.substr(0, equals)] = sim::absolutePath(appProgram.substr(equals + 1));
    }
    frontboard::ApplicationProcesses::shared().setLauncher(std::move(launcher));
}

// A seed for a soak run without one, printed so the run can be repeated.
uint64_t freshSeed()
{
    std::random_device device;
    uint64_t const seed = (static_cast<uint64_t>(device()) << 32) | device();
    std::printf("soak: seed %llu\n", static_cast<unsigned long long>(seed));
    std::fflush(stdout);
    return seed;
}

// The script; without one the shell alone, headless only launching, in real
// time until the window is closed or a signal ends it.
int runScenario(const SimulatorOptions& options, const Script& script, const std::string& home)
{
    auto& loop = dispatch::RunLoop::main();
    ScriptContext context { home, [] { return terminationSignal() != 0; } };
    // A signal during launch ends the shell before anything runs.
    if (terminationSignal())
        return 0;
    if (options.soakEvents > 0) {
        SoakOptions soak;
        soak.events = options.soakEvents;
        soak.seed = options.seed ? *options.seed : freshSeed();
        soak.scriptPath = options.soakScript;
        soak.without = { options.soakWithout.begin(), options.soakWithout.end() };
        return runSoak(soak, context);
    }
    if (!options.script.empty())
        return runScript(script, context);
    if (options.headless)
        loop.runUntil(loop.nowNanoseconds());
    else
        loop.run();
    return 0;
}

// Frames of the run, from this instant (the end of launch) to the script's end.
bool startRecording(const SimulatorOptions& options, std::unique_ptr<ScreenRecorder>* recorder)
{
    std::string const name = options.script.empty() ? "recording" : fs::path(options.script).stem().string();
    std::string error;
    *recorder = ScreenRecorder::start(sim::absolutePath(options.record), name, options.recordFramesPerSecond, &error);
    if (!*recorder) {
        systemlog::write(kCFLogLevelError, "drawlet-sim: cannot record: " + error);
        return false;
    }
    return true;
}

bool finishRecording(ScreenRecorder& recorder)
{
    std::string error;
    if (!recorder.finish(&error)) {
        systemlog::write(kCFLogLevelError, "drawlet-sim: the recording failed: " + error);
        return false;
    }
    int const last = recorder.frameCount() - 1;
    std::printf("drawlet-sim: recorded %d frames into %s (frame-0000.png to frame-%04d.png) and %s\n", recorder.frameCount(), recorder.folder().c_str(),
        last, recorder.gifPath().c_str());
    return true;
}

}

int runShellProcess(const SimulatorOptions& options, const Script& script)
{
    std::string const home = sim::absolutePath(options.home.empty() ? settings::defaultHomeDirectory() : options.home);
    std::string const root = sim::absolutePath(options.root.empty() ? defaultDeviceRoot() : options.root);

    systemlog::setProcessName("SpringBoard");
    // Nothing reads the log back, and a shell may run for hours.
    systemlog::setKeepsMessages(false);
    if (!options.log.empty() && !systemlog::setLogFile(options.log)) {
        complain("cannot open the log file " + options.log);
        return 2;
    }
    if (!prepareHome(home))
        return 1;
    // From here on a signal ends the shell through the way out below.
    std::string signalError;
    if (!catchTerminationSignals(BusAddressFile::removeInSignalHandler, &signalError))
        complain(signalError + "; a signal ends the shell without winding it down");
    foundation::setHomeDirectory(home);
    foundation::setDeviceRoot(root);

    // Virtual time stands still while the shell starts, so 0 is the end of launch.
    sim::startProcessClock(options.headless, options.wallClock);

    uikit::registerClasses();
    springboard::registerClasses();
    // The shell's Activator, before any library registers its listeners.
    activator::registerClasses();
    uikit::setMainScreenSize(options.screenWidth, options.screenHeight);
    uikit::setMainScreenScale(options.scale);
    for (auto const& name : options.withoutClasses)
        runtime::hideClassName(name);

    std::string busAddress;
    if (!joinBus(options, &busAddress)) {
        notifications::stopPrivateBusDaemon();
        return 1;
    }

    setUpApplicationLauncher(options, home, root, busAddress);
    if (borrowApplicationsWhenMissing(root))
        systemlog::write(kCFLogLevelNotice, std::string("drawlet-sim: the device root has no ") + apps::kInstalledApplicationsPath + "; the simulator's own applications are used");
    installApplications();
    compositor::registerHostedContent();
    compositor::setFullRedraw(options.fullRedraw);
    springboard::routeUnclaimedTouchesToFrontApplication(makeHomeScreenTapSink());
    auto& touches = uikit::TouchInput::shared();
    touches.setUnclaimedTouchSink(watchStatusBarDoubleTaps(touches.unclaimedTouchSink()));
    if (!springboard::startKeyboard())
        systemlog::write(kCFLogLevelError, "drawlet-sim: the keyboard cannot hear the applications' text fields");
    listenForPinnedApplication();
    if (!activator::startService())
        systemlog::write(kCFLogLevelError, "drawlet-sim: Activator cannot hear the Settings application");
    if (!options.noInject)
        loadLibraries();
    {
        // What finishing the load makes (the names seen, written to
        // Activator's file) is let go here, not at exit.
        AutoreleasePool pool;
        activator::finishLoading();
    }

    BusAddressFile addressFile;
    int status = 0;
    {
        AutoreleasePool pool;
        auto application = launchSpringBoard();
        if (options.bus.empty())
            announceBus(busAddress, home, &addressFile);
        // Real time shows the phone in a window when there is a display.
        std::unique_ptr<SimulatorWindow> phoneWindow;
        if (!options.headless)
            phoneWindow = openPhoneWindow(application.get());
        std::unique_ptr<ScreenRecorder> recorder;
        if (!options.record.empty() && !startRecording(options, &recorder))
            status = 1;
        else
            status = runScenario(options, script, home);
        if (int const signal = terminationSignal())
            systemlog::write(kCFLogLevelNotice, std::string("drawlet-sim: ") + signalName(signal) + " received; ending as quit does");
        if (recorder && !finishRecording(*recorder) && status == 0)
            status = 1;
    }

    frontboard::ApplicationProcesses::reset();
    notifications::disconnectFromBus();
    notifications::stopPrivateBusDaemon();
    addressFile.remove();
    return status;
}

}
