#include "AppProcess.h"
#include "AppRenderer.h"
#include "AppScreenFactory.h"
#include "BorrowedApplications.h"
#include "InstalledApplications.h"
#include "TouchViews.h"

#include "DevicePaths.h"
#include "ProcessClock.h"

#include "activator/ActivatorRemote.h"
#include "dispatch/Dispatch.h"
#include "dispatch/RunLoop.h"
#include "foundation/DevicePath.h"
#include "foundation/NSHomeDirectory.h"
#include "foundation/SystemLog.h"
#include "foundation/WallClock.h"
#include "notifications/Bus.h"
#include "substrate/Loader.h"
#include "uikit/UIKit.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace apps {

namespace {

void complain(const std::string& message)
{
    std::fprintf(stderr, "drawlet-app: %s\n", message.c_str());
}

// Draws what changed and, while the scene is in the foreground, hands the
// frame to the shell; a backgrounded scene draws nothing.
class Display {
public:
    explicit Display(AppRenderer* renderer)
        : m_renderer(renderer)
    {
    }

    void update()
    {
        auto& scene = uikit::ApplicationScene::shared();
        if (!scene.isForeground())
            return;
        if (m_renderer->redrawIfChanged(static_cast<std::time_t>(foundation::wallClockNow())) || !m_published) {
            if (auto* frame = m_renderer->lastDrawnFrame().surface())
                m_published = scene.publishFrame(frame);
        }
    }

    // Checks once a second, at each whole second of device time, whether the
    // screen needs drawing; the check itself draws nothing when nothing changed.
    void scheduleTick()
    {
        double const now = foundation::wallClockNow();
        double const untilNextSecond = std::floor(now) + 1 - now;
        dispatch_after(dispatch_time(DISPATCH_TIME_NOW, static_cast<int64_t>(untilNextSecond * 1e9) + 1), dispatch_get_main_queue(), [this] {
            update();
            scheduleTick();
        });
    }

    const AppRenderer& renderer() const { return *m_renderer; }

private:
    AppRenderer* m_renderer;
    bool m_published = false;
};

void loadLibraries(const InstalledApplication& application)
{
    substrate::ProcessIdentity identity { application.executableName, application.bundleIdentifier,
        { application.bundleIdentifier, "com.apple.UIKit", "com.apple.Foundation" } };
    substrate::loadLibraries(substrate::kDynamicLibraryFolder, identity);
}

// The key window and its root view controller, whose answer to
// prefersStatusBarHidden is the application's own data; the appearance is then
// updated through the runtime, so a replacement decides.
Strong<objc_object> showKeyWindow(const AppScreen& screen)
{
    id window = send<id>(send<id>(uikit::UIWindowClass(), "alloc"_sel), "initWithFrame:"_sel, uikit::mainScreenBounds());
    auto controller = adopt(send<id>(send<id>(uikit::UIViewControllerClass(), "alloc"_sel), "init"_sel));
    static_cast<UIViewController*>(controller.get())->statusBarHiddenPreference = screen.prefersStatusBarHidden();
    send(window, "setRootViewController:"_sel, controller.get());
    send(window, "makeKeyAndVisible"_sel);
    send(controller.get(), "setNeedsStatusBarAppearanceUpdate"_sel);
    return adopt(window);
}

// Hands the screen an address; one the application shows nothing for is
// logged and changes nothing.
void openAddress(AppScreen& screen, const std::string& address)
{
    if (!screen.openURL(address))
        CFLog(kCFLogLevelError, "cannot open the address %s", address.c_str());
}

int runLaunched(const AppOptions& options, AppScreen& screen, Display* display, TouchViews* touchViews)
{
    auto& loop = dispatch::RunLoop::main();
    if (!options.url.empty())
        openAddress(screen, options.url);
    display->update();
    if (!options.shot.empty()) {
        std::string error;
        if (!display->renderer().lastDrawnFrame().savePng(options.shot, &error)) {
            complain("cannot write " + options.shot + ": " + error);
            return 1;
        }
        return 0;
    }
    auto& scene = uikit::ApplicationScene::shared();
    scene.setChangeHandler([display, touchViews] {
        touchViews->followScreen();
        display->update();
    });
    scene.setTouchHandler([display] { display->update(); });
    // The change handler that follows an activation draws what it changed.
    scene.setActivationHandler([&screen] { screen.activated(); });
    scene.setOpenURLHandler([&screen, display](const std::string& address) {
        openAddress(screen, address);
        display->update();
    });
    uikit::ApplicationKeyboard::shared().setChangeHandler([display] { display->update(); });
    activator::ActivatorRemote::shared().setChangeHandler([display] { display->update(); });
    scene.reportReady();
    // Virtual time without a bus has no clock to follow: the application
    // launches, draws and is done.
    if (options.headless && options.bus.empty()) {
        loop.runUntil(loop.nowNanoseconds());
        return 0;
    }
    display->scheduleTick();
    loop.run();
    return 0;
}

}

int runAppProcess(const AppOptions& options)
{
    // Nothing reads the log back, and an application may run for hours.
    systemlog::setKeepsMessages(false);
    std::string const root = sim::absolutePath(options.root.empty() ? sim::defaultDeviceRoot() : options.root);
    foundation::setDeviceRoot(root);
    // The shell has said so in the log when it happens.
    sim::borrowApplicationsWhenMissing(root);
    if (!options.log.empty() && !systemlog::setLogFile(options.log)) {
        complain("cannot open the log file " + options.log);
        return 2;
    }

    // Reading the list makes Foundation objects: the classes come first.
    uikit::registerClasses();
    auto const installed = readInstalledApplications();
    auto const* application = findInstalledApplication(installed, options.bundleIdentifier);
    if (application) {
        // The screen may read files of the home and log as it is made.
        systemlog::setProcessName(application->executableName);
        if (!options.home.empty())
            foundation::setHomeDirectory(sim::absolutePath(options.home));
    }
    auto screen = application ? makeAppScreen(options.bundleIdentifier) : nullptr;
    if (!screen) {
        std::string known;
        for (auto const& each : installed)
            known += (known.empty() ? "" : ", ") + each.bundleIdentifier;
        complain("no installed application has the bundle identifier " + options.bundleIdentifier + " (installed: " + (known.empty() ? "none" : known) + ")");
        return 1;
    }

    sim::startProcessClock(options.headless, options.wallClock);

    uikit::setMainScreenSize(options.screenWidth, options.screenHeight);
    uikit::setMainScreenScale(options.scale);
    for (auto const& name : options.withoutClasses)
        runtime::hideClassName(name);

    int const pixelWidth = static_cast<int>(std::lround(options.screenWidth * options.scale));
    int const pixelHeight = static_cast<int>(std::lround(options.screenHeight * options.scale));
    if (!options.bus.empty()) {
        if (!notifications::connectToBus(options.bus)) {
            complain("cannot join the bus at " + options.bus);
            return 1;
        }
        notifications::exitWhenBusDisconnects(true);
        // In virtual time the shell's clock leads this one.
        if (options.headless)
            notifications::followClockOverBus();
        std::string error;
        if (!uikit::ApplicationScene::shared().connect(options.bundleIdentifier, pixelWidth, pixelHeight, !options.background, &error)) {
            complain("cannot set up the scene: " + error);
            return 1;
        }
    }
    loadLibraries(*application);

    AppRenderer renderer(std::move(screen), options.screenWidth, options.screenHeight, options.scale);
    Display display(&renderer);
    int status = 0;
    {
        AutoreleasePool pool;
        uikit::launchApplication(uikit::UIApplicationClass());
        auto window = showKeyWindow(renderer.screen());
        TouchViews touchViews(static_cast<UIView*>(window.get()), renderer);
        status = runLaunched(options, renderer.screen(), &display, &touchViews);
    }
    notifications::disconnectFromBus();
    return status;
}

}
