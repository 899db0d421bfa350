// activate BUNDLE_ID: takes the application through an activation, launching
// it first when it is not running.
#include "ApplicationVerb.h"
#include "Verbs.h"

#include "frontboard/ApplicationProcesses.h"
#include "frontboard/FBScene.h"

namespace sim {

Verb activateVerb()
{
    return applicationVerb("activate", "activate BUNDLE_ID", [](const std::string& bundleIdentifier, std::string* reason) {
        frontboard::sceneForApplication(bundleIdentifier)->settings->backgrounded = false;
        return frontboard::ApplicationProcesses::shared().activate(bundleIdentifier, reason);
    });
}

}
