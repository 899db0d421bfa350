#include "FBSMutableSceneSettings.h"

namespace {

Class g_FBSMutableSceneSettings;

FBSMutableSceneSettings* self_(id self) { return static_cast<FBSMutableSceneSettings*>(self); }

id mutableCopy(id self, SEL) { return frontboard::makeSceneSettings(self_(self)->backgrounded); }
void setBackgrounded(id self, SEL, bool backgrounded) { self_(self)->backgrounded = backgrounded; }
bool isBackgrounded(id self, SEL) { return self_(self)->backgrounded; }

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
    addMethod(g_FBSMutableSceneSettings, "mutableCopy"_sel, mutableCopy);
    addMethod(g_FBSMutableSceneSettings, "setBackgrounded:"_sel, setBackgrounded);
    addMethod(g_FBSMutableSceneSettings, "isBackgrounded"_sel, isBackgrounded);
}

}
