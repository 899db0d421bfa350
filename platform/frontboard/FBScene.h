#pragma once
// An application's main scene, kept by the shell whether or not the
// application's process runs: its settings persist, and reach the process
// when it starts. Applying settings moves a running process's scene between
// background and foreground.
//
// Encodings: mutableSettings "@@:", contextHostManager "@@:",
// _applyMutableSettings:withTransitionContext:completion: "v@:@@@",
// identifier "@@:".

#include "FBSMutableSceneSettings.h"

#include "foundation/NSString.h"

#include <functional>
#include <string>
#include <vector>

struct FBSceneContextHostManager;

struct FBScene : NSObject {
    Strong<NSString> identifier;
    Strong<FBSMutableSceneSettings> settings;
    Strong<FBSceneContextHostManager> contextHostManager;
};

namespace frontboard {
Class FBSceneClass();
void registerFBScene();

// The scene of the application `bundleIdentifier`, made the first time and
// the same object from then on (not retained for the caller).
FBScene* sceneForApplication(const std::string& bundleIdentifier);
// The scene's settings say foreground (not backgrounded), or there is no
// scene yet.
bool sceneWantsForeground(const std::string& bundleIdentifier);
void resetScenes();
// The applications whose scene some requester has enabled hosting for, in
// the order of their bundle identifiers.
std::vector<std::string> applicationsWithHostingEnabled();
// While `keep` answers true for an application (the shell's application in
// front), settings that would move its scene to the background are ignored,
// with a log line: whoever else hosted it, the application in front draws.
void setSceneForegroundKeeper(std::function<bool(const std::string& bundleIdentifier)> keep);
}
