#include "FrontBoardClasses.h"

#include "uikit/UIKit.h"

namespace frontboard {

void registerClasses()
{
    if (FBSceneClass())
        return;
    uikit::registerClasses();
    registerFBSMutableSceneSettings();
    registerFBSceneContextHostManager();
    registerFBSceneHostViews();
    registerFBScene();
}

void reset()
{
    ApplicationProcesses::reset();
    resetScenes();
}

}
