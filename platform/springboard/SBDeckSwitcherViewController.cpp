#include "SBDeckSwitcherViewController.h"
#include "AppSwitcher.h"

namespace {

Class g_SBDeckSwitcherViewController;

SBDeckSwitcherViewController* self_(id self) { return static_cast<SBDeckSwitcherViewController*>(self); }

void viewDidAppear(id self, SEL, bool)
{
    self_(self)->switcherVisible = true;
}

void animateDismissal(id self, SEL, id, id, id completion)
{
    auto* controller = self_(self);
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
    addMethod(g_SBDeckSwitcherViewController, "viewDidAppear:"_sel, viewDidAppear);
    addMethod(g_SBDeckSwitcherViewController, "animateDismissalToDisplayItem:forTransitionRequest:withCompletion:"_sel, animateDismissal);
}

}
