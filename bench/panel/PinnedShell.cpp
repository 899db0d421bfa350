#include "PinnedShell.h"

#include "HostedContent.h"
#include "InstalledApplications.h"

#include "core/PanelState.h"
#include "core/Startup.h"
#include "dispatch/RunLoop.h"
#include "foundation/DevicePath.h"
#include "foundation/NSHomeDirectory.h"
#include "foundation/SystemLog.h"
#include "frontboard/ApplicationProcesses.h"
#include "runtime/AutoreleasePool.h"
#include "springboard/SpringBoardClasses.h"
#include "uikit/UIKit.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace bench {

namespace {

constexpr const char* kClock = "com.drawlet.demo.clock";

std::string& homeFolder()
{
    static std::string folder;
    return folder;
}

// The settings a user pins an application with: tweak on, auto-pin, Clock.
void writePinnedSettings(const std::string& home)
{
    std::ofstream(home + "/Library/Preferences/com.quillbrook.drawlet-preferences.plist", std::ios::trunc)
        << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n"
           "<key>tweakEnabled</key><true/><key>autoPinEnabled</key><true/>"
           "<key>startupApp</key><string>"
        << kClock << "</string>\n</dict>\n</plist>\n";
}

// As the simulator does: every installed application, its icon on the home screen.
void installApplications()
{
    AutoreleasePool pool;
    for (auto const& installed : apps::readInstalledApplications()) {
        SBApplication* application = SBApplication::make(installed.bundleIdentifier, installed.displayName);
        id icon = send<id>(uikit::UIImageClass(), "imageWithContentsOfFile:"_sel, static_cast<id>(NSString::make(installed.iconPath)));
        application->iconImage = static_cast<UIImage*>(icon);
        springboard::installApplication(application);
    }
}

// The log keeps every line for tests; here they only go, quietly.
void quietLog()
{
    systemlog::reset();
    systemlog::setWritesToStandardError(false);
    systemlog::setClock([] { return dispatch::RunLoop::main().now(); });
}

id launch(const std::string& busAddress, std::string* error)
{
    char pattern[] = "/tmp/drawlet-panel-bench-XXXXXX";
    char const* made = mkdtemp(pattern);
    if (!made) {
        *error = "cannot make a temporary home";
        return nullptr;
    }
    std::string const home = made;
    homeFolder() = home;
    std::filesystem::create_directories(home + "/Library/Preferences");
    writePinnedSettings(home);
    foundation::setHomeDirectory(home);
    foundation::setDeviceRoot(DRAWLET_DEVICE_ROOT);
    auto& loop = dispatch::RunLoop::main();
    loop.setClockMode(dispatch::RunLoop::ClockMode::Virtual);
    loop.restartClock();
    quietLog();
    uikit::setMainScreenSize(375, 667);
    uikit::setMainScreenScale(2);
    installApplications();
    compositor::registerHostedContent();
    frontboard::ApplicationProcesses::shared().setLauncher({ DRAWLET_BUILD_DIR "/bin/drawlet-app",
        { "--root", DRAWLET_DEVICE_ROOT, "--home", home, "--bus", busAddress, "--headless", "--screen", "375x667", "--log", home + "/applications.log" } });

    registerObservers();
    id shell = uikit::launchApplication(springboard::SpringBoardClass());
    send(shell, "applicationDidFinishLaunching:"_sel, shell);
    settle();
    if (!window || !grabber) {
        *error = "the panel was not built";
        return nullptr;
    }
    if (!frontboard::ApplicationProcesses::shared().hasFrames(kClock)) {
        *error = "Clock is not running with frames the shell can show";
        return nullptr;
    }
    return shell;
}

}

id launchPinnedShell(const std::string& busAddress, std::string* error)
{
    static std::string launchError;
    static id const shell = launch(busAddress, &launchError);
    *error = launchError;
    return shell;
}

void removePinnedShellHome()
{
    if (homeFolder().empty())
        return;
    std::error_code ignored;
    std::filesystem::remove_all(homeFolder(), ignored);
}

void settle(double seconds)
{
    dispatch::RunLoop::main().runFor(seconds);
    quietLog();
}

size_t frameMappings()
{
    std::ifstream stream("/proc/self/maps");
    size_t count = 0;
    for (std::string line; std::getline(stream, line);)
        count += line.find("drawlet-frames") != std::string::npos ? 1 : 0;
    return count;
}

bool showsOneLiveHostView()
{
    auto const* panel = static_cast<UIView*>(applicationContainerView.get());
    if (!panel || panel->subviews.size() != 1 || panel->subviews[0].get() != applicationView.get())
        return false;
    id provider = send<id>(objc_getClass("RKVContextHostProvider"), "sharedInstance"_sel);
    return send<bool>(provider, "isHostViewHosting:"_sel, applicationView.get());
}

size_t runningApplications()
{
    return frontboard::ApplicationProcesses::shared().runningBundleIdentifiers().size();
}

}
