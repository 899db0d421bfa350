// One application of the appearance settings with a typical ten-key file.
#include "core/PanelState.h"
#include "core/Settings.h"
#include "foundation/NSHomeDirectory.h"
#include "foundation/SystemLog.h"
#include "uikit/UIKit.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

id makeView(const char* className, CGRect frame)
{
    return objc_autorelease(send<id>(send<id>(objc_getClass(className), "alloc"_sel), "initWithFrame:"_sel, frame));
}

void setUp()
{
    uikit::registerClasses();
    systemlog::setWritesToStandardError(false);
    char pattern[] = "/tmp/drawlet-bench-XXXXXX";
    std::string home = mkdtemp(pattern);
    std::filesystem::create_directories(home + "/Library/Preferences");
    foundation::setHomeDirectory(home);
    std::ofstream(home + "/Library/Preferences/com.quillbrook.drawlet-preferences.plist")
        << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
           "<key>tweakEnabled</key><true/><key>autoPinEnabled</key><true/>"
           "<key>startupApp</key><string>com.drawlet.demo.clock</string>"
           "<key>hasBeenLaunchedBefore</key><true/><key>smallGrabber</key><true/>"
           "<key>iconOnly</key><false/><key>useCustomGrabberColor</key><true/>"
           "<key>customGrabberColor</key><string>#3366FF</string>"
           "<key>useCustomArrowColor</key><true/><key>customArrowColor</key><string>#FFFFFF:0.8</string>"
           "</dict></plist>\n";
    AutoreleasePool pool;
    grabber = makeView("UIView", CGRectMake(26, 542, 70, 25));
    grabberPointerImageView = makeView("UIImageView", CGRectMake(1, 0, 20, 25));
    iconView = makeView("UIImageView", CGRectMake(24, 2, 21, 21));
    id image = send<id>(objc_getClass("UIImage"), "imageWithContentsOfFile:"_sel,
        static_cast<id>(NSString::make(std::string(DRAWLET_SOURCE_DIR) + "/shell/resources/pointer_out.png")));
    send(grabberPointerImageView, "setImage:"_sel, image);
}

void BM_UpdateTweakSettings(benchmark::State& state)
{
    setUp();
    for (auto _ : state) {
        AutoreleasePool pool;
        updateTweakSettings();
        // The log keeps every message for tests; don't let it grow here.
        systemlog::reset();
        systemlog::setWritesToStandardError(false);
    }
}
BENCHMARK(BM_UpdateTweakSettings)->Unit(benchmark::kMicrosecond);

}

BENCHMARK_MAIN();
