// rotate ORIENTATION: the device turned to an orientation, in UIKit's
// numbering (1 portrait, 2 upside down, 3 landscape right, 4 landscape left).
// The shell's application object gets the device-orientation event and,
// independently of what it does with it, noteInterfaceOrientationChanged:
// with the new interface orientation, so the shell still rotates when the
// event's handling is replaced.
#include "ArgumentChecks.h"
#include "Verbs.h"

#include "foundation/NSObject.h"
#include "springboard/SpringBoard.h"
#include "uikit/UIDeviceOrientationEvent.h"

namespace sim {

namespace {

// Seconds the interface takes to turn, as the shell is told.
constexpr double kRotationSeconds = 0.4;

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
            id shell = uikit::sharedApplication();
            if (!shell || !foundation::isKindOf(shell, springboard::SpringBoardClass()))
                return VerbResult::failed("cannot rotate: the shell's application object is not running");
            uikit::sendDeviceOrientationEvent(orientation);
            send(shell, "noteInterfaceOrientationChanged:duration:"_sel, orientation, kRotationSeconds);
            return VerbResult::done();
        };
    } };
}

}
