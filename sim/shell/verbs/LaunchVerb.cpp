// launch BUNDLE_ID: starts the application's process with its scene in the
// foreground (drawing), not in front.
#include "ApplicationVerb.h"
#include "Verbs.h"

#include "frontboard/ApplicationProcesses.h"
#include "frontboard/FBScene.h"

namespace sim {

Verb launchVerb()
{
    return applicationVerb("launch", "launch BUNDLE_ID", [](const std::string& bundleIdentifier, std::string* reason) {
        // The shell's scene settings say foreground from now on.
        frontboard::sceneForApplication(bundleIdentifier)->settings->backgrounded = false;
        return frontboard::ApplicationProcesses::shared().launch(bundleIdentifier, frontboard::SceneState::Foreground, reason);
    });
}

}
