#include "FBSMutableSceneSettings.h"

namespace {

Class g_FBSMutableSceneSettings;

FBSMutableSceneSettings* asFBSMutableSceneSettings(id self) { return static_cast<FBSMutableSceneSettings*>(self); }

id sceneSettingsMutableCopy(id self, SEL) { return frontboard::makeSceneSettings(asFBSMutableSceneSettings(self)->backgrounded); }
void setBackgrounded(id self, SEL, bool backgrounded) { asFBSMutableSceneSettings(self)->backgrounded = backgrounded; }
bool isBackgrounded(id self, SEL) { return asFBSMutableSceneSettings(self)->backgrounded; }

}

namespace frontboard {

Class FBSMutableSceneSettingsClass() { return g_FBSMutableSceneSettings; }

FBSMutableSceneSettings* makeSceneSettings(bool backgrounded)
{
    auto* settings = static_cast<FBSMutableSceneSettings*>(class_createInstance(g_FBSMutableSceneSettings, 0));
    settings->backgrounded = backgrounded;
    return settings;
}

void registerFBSMutableSceneSettings()
{
    g_FBSMutableSceneSettings = runtime::defineClass("FBSMutableSceneSettings", foundation::NSObjectClass(), runtime::makeInstance<FBSMutableSceneSettings>);
    addMethod(g_FBSMutableSceneSettings, "mutableCopy"_sel, sceneSettingsMutableCopy);
    addMethod(g_FBSMutableSceneSettings, "setBackgrounded:"_sel, setBackgrounded);
    addMethod(g_FBSMutableSceneSettings, "isBackgrounded"_sel, isBackgrounded);
}

}
