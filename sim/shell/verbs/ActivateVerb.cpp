// activate BUNDLE_ID: takes the application through an activation, launching
// it first when it is not running.
#include "ArgumentChecks.h"
#include "InstalledApplicationCheck.h"
#include "Verbs.h"

#include "frontboard/ApplicationProcesses.h"
#include "frontboard/FBScene.h"

namespace sim {

Verb activateVerb()
{
    static constexpr const char* usage = "activate BUNDLE_ID";
    return { "activate", { usage }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
        if (!expectArgumentCount(arguments, 1, usage, error) || !checkText("the bundle identifier", arguments[0], error))
            return std::nullopt;
        return [bundleIdentifier = arguments[0]](ScriptContext&) {
            std::string reason;
            if (!checkInstalledApplication(bundleIdentifier, &reason))
                return VerbResult::failed(reason);
            // The shell's scene settings say foreground from now on.
            frontboard::sceneForApplication(bundleIdentifier)->settings->backgrounded = false;
            if (!frontboard::ApplicationProcesses::shared().activate(bundleIdentifier, &reason))
                return VerbResult::failed("cannot activate " + bundleIdentifier + ": " + reason);
            return VerbResult::done();
        };
    } };
}

}
