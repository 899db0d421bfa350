#pragma once
// Scenes and their hosting in one include, with the area's registration and
// reset.

#include "ApplicationProcesses.h"
#include "FBSMutableSceneSettings.h"
#include "FBScene.h"
#include "FBSceneContextHostManager.h"
#include "FBSceneHostView.h"

namespace frontboard {

// Registers the scene classes (and UIKit's first); safe to call more than once.
void registerClasses();

// Ends every application process and forgets every scene; for tests.
void reset();

}
