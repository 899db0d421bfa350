// rotate ORIENTATION: the device turned to an orientation, in UIKit's
// numbering (1 portrait, 2 upside down, 3 landscape right, 4 landscape left).
// The shell's application object gets the device-orientation event and,
// independently of what it does with it, noteInterfaceOrientationChanged:
// with the new interface orientation, so the shell still rotates when the
// event's handling is replaced.
#include "ArgumentChecks.h"
#include "DeviceRotation.h"
#include "Verbs.h"

#include "uikit/UIApplication.h"

namespace sim {

namespace {

bool parseOrientation(const std::string& text, long* orientation, std::string* error)
{
    static const char* const names[] = { "1", "2", "3", "4" };
    for (long value = UIInterfaceOrientationPortrait; value <= UIInterfaceOrientationLandscapeLeft; ++value) {
        if (text == names[value - 1]) {
            *orientation = value;
            return true;
        }
    }
    *error = "the orientation must be 1, 2, 3 or 4, not \"" + text + "\"";
    return false;
}

}

Verb rotateVerb()
{
    static constexpr const char* usage = "rotate ORIENTATION";
    return { "rotate", { usage }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
                long orientation = 0;
                if (!expectArgumentCount(arguments, 1, usage, error) || !parseOrientation(arguments[0], &orientation, error))
                    return std::nullopt;
                return [orientation](ScriptContext&) {
                    if (!rotateDevice(orientation))
                        return VerbResult::failed("cannot rotate: the shell's application object is not running");
                    return VerbResult::done();
                };
            } };
}

}
