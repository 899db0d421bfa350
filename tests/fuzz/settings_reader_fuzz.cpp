// Arbitrary bytes as a settings file: decoded as the shell decodes it, then
// every key read with the shell's typed readers and colour parser.
#include "colorpicker/LCPParseColorString.h"
#include "core/SettingsReader.h"
#include "foundation/NSDictionary.h"
#include "foundation/PropertyList.h"
#include "foundation/SystemLog.h"
#include "uikit/UIKit.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static bool const ready = [] {
        uikit::registerClasses();
        systemlog::setWritesToStandardError(false);
        return true;
    }();
    (void)ready;
    AutoreleasePool pool;
    std::string error;
    id decoded = foundation::decodePropertyList(data, size, &error);
    auto* dictionary = foundation::isKindOf(decoded, foundation::NSDictionaryClass()) ? static_cast<NSDictionary*>(decoded) : nullptr;
    for (const char* key : { "tweakEnabled", "autoPinEnabled", "startupApp", "hasBeenLaunchedBefore", "smallGrabber", "iconOnly",
             "useCustomGrabberColor", "customGrabberColor", "useCustomArrowColor", "customArrowColor" }) {
        settingsBool(dictionary, key);
        LCPParseColorString(settingsString(dictionary, key), NSSTR("#FFFFFF"));
    }
    systemlog::reset();
    systemlog::setWritesToStandardError(false);
    return 0;
}
