#include "FBSceneHostView.h"
#include "ApplicationProcesses.h"
#include "SceneTouchForwarding.h"

#include "uikit/UIScreen.h"

namespace {

Class g_FBSceneHostWrapperView;
Class g_FBSceneHostView;

bool isHostingMethod(id self, SEL) { return frontboard::isHosting(static_cast<FBSceneHostView*>(self)); }

}

namespace frontboard {

Class FBSceneHostWrapperViewClass() { return g_FBSceneHostWrapperView; }
Class FBSceneHostViewClass() { return g_FBSceneHostView; }

UIView* makeSceneHostView(FBSceneContextHostManager* manager)
{
    CGRect const screen = uikit::mainScreenBounds();
    auto* wrapper = static_cast<UIView*>(send<id>(send<id>(g_FBSceneHostWrapperView, "alloc"_sel), "initWithFrame:"_sel, screen));
    auto hostView = adopt(static_cast<FBSceneHostView*>(send<id>(send<id>(g_FBSceneHostView, "alloc"_sel), "initWithFrame:"_sel, screen)));
    hostView->manager = manager;
    hostView->touchSink = frontboard::makeSceneTouchSink(hostView.get());
    send(wrapper, "addSubview:"_sel, static_cast<id>(hostView.get()));
    return wrapper;
}

bool isHosting(const FBSceneHostView* view)
{
    if (!view || !view->manager || view->manager->enabledRequesters.empty())
        return false;
    return ApplicationProcesses::shared().hasFrames(view->manager->bundleIdentifier);
}

cairo_surface_t* copyHostedFrame(const FBSceneHostView* view)
{
    if (!isHosting(view))
        return nullptr;
    return ApplicationProcesses::shared().copyLastFrame(view->manager->bundleIdentifier);
}

cairo_surface_t* takeHostedFrame(const FBSceneHostView* view)
{
    if (!isHosting(view))
        return nullptr;
    return ApplicationProcesses::shared().takeLatestFrame(view->manager->bundleIdentifier);
}

void registerFBSceneHostViews()
{
    g_FBSceneHostWrapperView = runtime::defineClass("FBSceneHostWrapperView", uikit::UIViewClass(), runtime::makeInstance<FBSceneHostWrapperView>);
    g_FBSceneHostView = runtime::defineClass("FBSceneHostView", uikit::UIViewClass(), runtime::makeInstance<FBSceneHostView>);
    addMethod(g_FBSceneHostView, "isHosting"_sel, isHostingMethod);
}

}
