// launch BUNDLE_ID: starts the application's process with its scene in the
// foreground (drawing), not in front.
#include "ArgumentChecks.h"
#include "InstalledApplicationCheck.h"
#include "Verbs.h"

#include "frontboard/ApplicationProcesses.h"
#include "frontboard/FBScene.h"

namespace sim {

Verb launchVerb()
{
    static constexpr const char* usage = "launch BUNDLE_ID";
    return { "launch", { usage }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
        if (!expectArgumentCount(arguments, 1, usage, error) || !checkText("the bundle identifier", arguments[0], error))
            return std::nullopt;
        return [bundleIdentifier = arguments[0]](ScriptContext&) {
            std::string reason;
            if (!checkInstalledApplication(bundleIdentifier, &reason))
                return VerbResult::failed(reason);
            // The shell's scene settings say foreground from now on.
            frontboard::sceneForApplication(bundleIdentifier)->settings->backgrounded = false;
            if (!frontboard::ApplicationProcesses::shared().launch(bundleIdentifier, frontboard::SceneState::Foreground, &reason))
                return VerbResult::failed("cannot launch " + bundleIdentifier + ": " + reason);
            return VerbResult::done();
        };
    } };
}

}
