#pragma once
// A scene's settings as the shell changes them: a copy is edited, then applied
// to the scene. Only the backgrounded flag matters here.
//
// Encodings: mutableCopy "@@:" (the caller owns the copy), setBackgrounded:
// "v@:B", isBackgrounded "B@:".

#include "foundation/NSObject.h"

struct FBSMutableSceneSettings : NSObject {
    bool backgrounded = false;
};

namespace frontboard {
Class FBSMutableSceneSettingsClass();
void registerFBSMutableSceneSettings();
// A new settings object (owned by the caller).
FBSMutableSceneSettings* makeSceneSettings(bool backgrounded);
}
