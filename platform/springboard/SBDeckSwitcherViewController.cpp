#include "SBDeckSwitcherViewController.h"
#include "AppSwitcher.h"

namespace {

Class g_SBDeckSwitcherViewController;

SBDeckSwitcherViewController* asSBDeckSwitcherViewController(id self) { return static_cast<SBDeckSwitcherViewController*>(self); }

void switcherViewDidAppear(id self, SEL, bool)
{
    asSBDeckSwitcherViewController(self)->switcherVisible = true;
}

void animateDismissal(id self, SEL, id, id, id completion)
{
    auto* controller = asSBDeckSwitcherViewController(self);
    controller->switcherVisible = false;
    ++controller->dismissalCount;
    springboard::animateAppSwitcherAway(self, completion);
}

}

namespace springboard {

Class SBDeckSwitcherViewControllerClass() { return g_SBDeckSwitcherViewController; }

void registerSBDeckSwitcherViewController()
{
    g_SBDeckSwitcherViewController = runtime::defineClass("SBDeckSwitcherViewController", uikit::UIViewControllerClass(), runtime::makeInstance<SBDeckSwitcherViewController>);
    addMethod(g_SBDeckSwitcherViewController, "viewDidAppear:"_sel, switcherViewDidAppear);
    addMethod(g_SBDeckSwitcherViewController, "animateDismissalToDisplayItem:forTransitionRequest:withCompletion:"_sel, animateDismissal);
}

}
