// open BUNDLE_ID: opens the application in front, as a tap on its icon does:
// the application that was in front goes to the background, and this one is
// launched when needed and activated.
#include "ArgumentChecks.h"
#include "InstalledApplicationCheck.h"
#include "Verbs.h"

#include "springboard/SpringBoard.h"

namespace sim {

Verb openVerb()
{
    static constexpr const char* usage = "open BUNDLE_ID";
    return { "open", { usage }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
        if (!expectArgumentCount(arguments, 1, usage, error) || !checkText("the bundle identifier", arguments[0], error))
            return std::nullopt;
        return [bundleIdentifier = arguments[0]](ScriptContext&) {
            std::string reason;
            if (!checkInstalledApplication(bundleIdentifier, &reason))
                return VerbResult::failed(reason);
            if (!springboard::openApplication(bundleIdentifier, &reason))
                return VerbResult::failed("cannot open " + bundleIdentifier + ": " + reason);
            return VerbResult::done();
        };
    } };
}

}
