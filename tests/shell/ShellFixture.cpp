#include "ShellFixture.h"

#include "core/PanelState.h"
#include "core/Startup.h"
#include "dispatch/RunLoop.h"
#include "foundation/NSHomeDirectory.h"
#include "foundation/SystemLog.h"
#include "notifications/CFNotificationCenter.h"
#include "uikit/UIKit.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace shelltest {

namespace {

std::string g_home;

id makeView(const char* className, CGRect frame)
{
    id view = send<id>(send<id>(objc_getClass(className), "alloc"_sel), "initWithFrame:"_sel, frame);
    return objc_autorelease(view);
}

}

void setUpShellProcess()
{
    uikit::registerClasses();
    systemlog::reset();
    systemlog::setWritesToStandardError(false);
    dispatch::RunLoop::main().reset(dispatch::RunLoop::ClockMode::Virtual);
    systemlog::setClock([] { return dispatch::RunLoop::main().now(); });
    char pattern[] = "/tmp/drawlet-shell-test-XXXXXX";
    g_home = mkdtemp(pattern);
    std::filesystem::create_directories(g_home + "/Library/Preferences");
    foundation::setHomeDirectory(g_home);
    registerObservers();
}

std::string settingsPath()
{
    return g_home + "/Library/Preferences/com.quillbrook.drawlet-preferences.plist";
}

void writeSettingsBytes(const std::string& bytes)
{
    std::ofstream(settingsPath(), std::ios::binary | std::ios::trunc) << bytes;
}

void writeSettingsXML(const std::string& dictItems)
{
    writeSettingsBytes("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n" + dictItems + "\n</dict>\n</plist>\n");
}

std::string readFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

void buildGrabberViews()
{
    AutoreleasePool pool;
    grabber = makeView("UIView", CGRectMake(26, 667 - 125, 70, 25));
    grabberPointerImageView = makeView("UIImageView", CGRectMake(1, 0, 20, 25));
    iconView = makeView("UIImageView", CGRectMake(24, 2, 21, 21));
    std::string arrowPath = std::string(DRAWLET_SOURCE_DIR) + "/shell/resources/pointer_out.png";
    id image = send<id>(objc_getClass("UIImage"), "imageWithContentsOfFile:"_sel, static_cast<id>(NSString::make(arrowPath)));
    send(grabberPointerImageView, "setImage:"_sel, image);
    send(grabber, "addSubview:"_sel, grabberPointerImageView.get());
    send(grabber, "addSubview:"_sel, iconView.get());
}

CGRect frameOf(id view) { return send<CGRect>(view, "frame"_sel); }
bool isHiddenView(id view) { return send<bool>(view, "isHidden"_sel); }
UIColor* backgroundColorOf(id view) { return send<UIColor*>(view, "backgroundColor"_sel); }
UIColor* tintColorOf(id view) { return send<UIColor*>(view, "tintColor"_sel); }

long arrowRenderingMode()
{
    return send<long>(send<id>(grabberPointerImageView.get(), "image"_sel), "renderingMode"_sel);
}

std::vector<std::string> drawletLines()
{
    std::vector<std::string> lines;
    for (auto const& message : systemlog::capturedMessages()) {
        if (message.starts_with("[Drawlet] "))
            lines.push_back(message);
    }
    return lines;
}

void postSettingsChanged()
{
    CFNotificationCenterPostNotification(CFNotificationCenterGetDarwinNotifyCenter(),
        NSSTR("com.quillbrook.drawlet-preferences/settingschanged"), nullptr, nullptr, true);
}

void runFor(double seconds)
{
    dispatch::RunLoop::main().runFor(seconds);
}

bool colorIs(UIColor* color, double red, double green, double blue, double alpha)
{
    if (!color)
        return false;
    auto near = [](double a, double b) { return std::fabs(a - b) < 1e-6; };
    return near(color->red, red) && near(color->green, green) && near(color->blue, blue) && near(color->alpha, alpha);
}

}
