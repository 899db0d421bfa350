#include "FBScene.h"
#include "ApplicationProcesses.h"
#include "FBSceneContextHostManager.h"

#include "foundation/SystemLog.h"

#include <map>

namespace {

Class g_FBScene;

FBScene* asFBScene(id self) { return static_cast<FBScene*>(self); }

std::map<std::string, Strong<FBScene>>& scenes()
{
    static auto* map = new std::map<std::string, Strong<FBScene>>;
    return *map;
}

std::function<bool(const std::string&)>& foregroundKeeper()
{
    static auto* keeper = new std::function<bool(const std::string&)>;
    return *keeper;
}

id mutableSettings(id self, SEL) { return asFBScene(self)->settings; }
id contextHostManager(id self, SEL) { return asFBScene(self)->contextHostManager; }
id identifier(id self, SEL) { return asFBScene(self)->identifier; }

void applyMutableSettings(id self, SEL, id settings, id, id)
{
    auto* scene = asFBScene(self);
    if (!foundation::isKindOf(settings, frontboard::FBSMutableSceneSettingsClass())) {
        CFLog(kCFLogLevelError, "frontboard: ignored scene settings that are not scene settings");
        return;
    }
    bool const backgrounded = static_cast<FBSMutableSceneSettings*>(settings)->backgrounded;
    if (backgrounded && foregroundKeeper() && foregroundKeeper()(scene->identifier->value)) {
        CFLog(kCFLogLevelNotice, "frontboard: %s stays in the foreground while it is in front", scene->identifier->value.c_str());
        return;
    }
    scene->settings = adopt(frontboard::makeSceneSettings(backgrounded));
    // A process that is not running gets the settings when it starts.
    frontboard::ApplicationProcesses::shared().setSceneState(scene->identifier->value,
        backgrounded ? frontboard::SceneState::Background : frontboard::SceneState::Foreground);
}

}

namespace frontboard {

Class FBSceneClass() { return g_FBScene; }

FBScene* sceneForApplication(const std::string& bundleIdentifier)
{
    auto& map = scenes();
    if (auto it = map.find(bundleIdentifier); it != map.end())
        return it->second.get();
    auto scene = adopt(static_cast<FBScene*>(class_createInstance(g_FBScene, 0)));
    scene->identifier = NSString::make(bundleIdentifier);
    // A scene starts in the background: nothing shows it yet.
    scene->settings = adopt(makeSceneSettings(true));
    scene->contextHostManager = adopt(makeContextHostManager(bundleIdentifier));
    return map.emplace(bundleIdentifier, std::move(scene)).first->second.get();
}

bool sceneWantsForeground(const std::string& bundleIdentifier)
{
    auto& map = scenes();
    auto it = map.find(bundleIdentifier);
    return it == map.end() || !it->second->settings->backgrounded;
}

std::vector<std::string> applicationsWithHostingEnabled()
{
    std::vector<std::string> enabled;
    for (auto const& [bundleIdentifier, scene] : scenes()) {
        auto const* manager = scene->contextHostManager.get();
        if (manager && !manager->enabledRequesters.empty())
            enabled.push_back(bundleIdentifier);
    }
    return enabled;
}

void resetScenes()
{
    scenes().clear();
}

void setSceneForegroundKeeper(std::function<bool(const std::string& bundleIdentifier)> keep)
{
    foregroundKeeper() = std::move(keep);
}

void registerFBScene()
{
    g_FBScene = runtime::defineClass("FBScene", foundation::NSObjectClass(), runtime::makeInstance<FBScene>);
    addMethod(g_FBScene, "mutableSettings"_sel, mutableSettings);
    addMethod(g_FBScene, "contextHostManager"_sel, contextHostManager);
    addMethod(g_FBScene, "identifier"_sel, identifier);
    addMethod(g_FBScene, "_applyMutableSettings:withTransitionContext:completion:"_sel, applyMutableSettings);
}

}
