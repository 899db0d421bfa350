// switcher: opens the app switcher, as a double press of home does.
// switcher BUNDLE_ID: goes from the switcher to the application, as a tap on
// its card does; switcher home: to the home screen, as the home-screen card
// does. Opening it while the phone is locked or while it shows does nothing
// but log, as the double press does then; going from a switcher that is not
// showing, or to an application without a card, fails.
#include "ArgumentChecks.h"
#include "InstalledApplicationCheck.h"
#include "Verbs.h"

#include "foundation/SystemLog.h"
#include "springboard/AppSwitcher.h"

namespace sim {

Verb switcherVerb()
{
    static constexpr const char* usage = "switcher [BUNDLE_ID|home]";
    return { "switcher", { "switcher", "switcher BUNDLE_ID", "switcher home" }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
                if (arguments.empty()) {
                    return [](ScriptContext&) {
                        std::string reason;
                        if (!springboard::presentAppSwitcher(&reason))
                            systemlog::write(kCFLogLevelNotice, "drawlet-sim: the switcher does not open: " + reason);
                        return VerbResult::done();
                    };
                }
                if (!expectArgumentCount(arguments, 1, usage, error) || !checkText("the bundle identifier", arguments[0], error))
                    return std::nullopt;
                return [target = arguments[0]](ScriptContext&) {
                    std::string reason;
                    bool const home = target == "home";
                    if (!home && !checkInstalledApplication(target, &reason))
                        return VerbResult::failed(reason);
                    if (!springboard::dismissAppSwitcher(home ? std::string() : target, &reason))
                        return VerbResult::failed("cannot leave the switcher for " + target + ": " + reason);
                    return VerbResult::done();
                };
            } };
}

}
