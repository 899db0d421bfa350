#pragma once
// Shows a scene's content in the shell's own views. Requesters (named by a
// string) enable hosting; while any has it enabled and the application's
// process has frames, its host views show the latest one.
//
// Encodings: enableHostingForRequester:orderFront: "v@:@B",
// enableHostingForRequester:priority: "v@:@q", disableHostingForRequester:
// "v@:@", hostViewForRequester:enableAndOrderFront: "@@:@B" (autoreleased).

#include "foundation/NSObject.h"

#include <set>
#include <string>

struct FBSceneContextHostManager : NSObject {
    std::string bundleIdentifier;
    std::set<std::string> enabledRequesters;
};

namespace frontboard {
Class FBSceneContextHostManagerClass();
void registerFBSceneContextHostManager();
// A new manager for the application's scene (owned by the caller).
FBSceneContextHostManager* makeContextHostManager(const std::string& bundleIdentifier);
}
