#include "HostingFixture.h"

#include "activator/ActivatorClasses.h"
#include "core/PanelState.h"
#include "dispatch/RunLoop.h"
#include "foundation/SystemLog.h"
#include "frontboard/FrontBoardClasses.h"
#include "hosting/RKVContextHostProvider.h"
#include "notifications/Bus.h"
#include "springboard/SpringBoardClasses.h"
#include "uikit/UIKit.h"

#include <cstdlib>
#include <filesystem>

namespace hostingtest {

void setUpShell(int width, int height, bool applications)
{
    springboard::registerClasses();
    activator::registerClasses();
    systemlog::reset();
    systemlog::setWritesToStandardError(false);
    dispatch::RunLoop::main().reset(dispatch::RunLoop::ClockMode::Virtual);
    systemlog::setClock([] { return dispatch::RunLoop::main().now(); });
    uikit::setMainScreenSize(width, height);
    uikit::launchApplication(springboard::SpringBoardClass());
    for (auto const& [identifier, name] : { std::pair { kNotes, "Notes" }, std::pair { kClock, "Clock" } })
        springboard::installApplication(SBApplication::make(identifier, name));
    if (!applications)
        return;
    std::string const address = notifications::startPrivateBusDaemon();
    ASSERT_FALSE(address.empty());
    ASSERT_TRUE(notifications::connectToBus(address));
    char pattern[] = "/tmp/drawlet-hosting-test-XXXXXX";
    std::string const home = mkdtemp(pattern);
    frontboard::ApplicationProcesses::shared().setLauncher({ DRAWLET_BUILD_DIR "/bin/drawlet-app",
        { "--root", DRAWLET_DEVICE_ROOT, "--home", home, "--bus", address, "--headless", "--screen",
            std::to_string(width) + "x" + std::to_string(height) } });
}

void tearDownShell()
{
    frontboard::reset();
    notifications::disconnectFromBus();
    notifications::stopPrivateBusDaemon();
}

id provider()
{
    return send<id>(RKVContextHostProviderClass(), "sharedInstance"_sel);
}

id shell()
{
    return uikit::sharedApplication();
}

id makePanel(CGRect frame)
{
    id panel = objc_autorelease(send<id>(send<id>(uikit::UIViewClass(), "alloc"_sel), "initWithFrame:"_sel, frame));
    applicationContainerView = panel;
    return panel;
}

std::vector<std::string> logged(const std::string& part)
{
    std::vector<std::string> lines;
    for (auto const& message : systemlog::capturedMessages()) {
        if (message.find(part) != std::string::npos)
            lines.push_back(message);
    }
    return lines;
}

void runFor(double seconds)
{
    dispatch::RunLoop::main().runFor(seconds);
}

}
