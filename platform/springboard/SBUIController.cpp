#include "SBUIController.h"
#include "AppSwitcher.h"
#include "SharedInstances.h"

namespace {

Class g_SBUIController;

bool isAppSwitcherShowing(id self, SEL) { return static_cast<SBUIController*>(self)->appSwitcherShowing; }
void handleSwitcherCardTap(id, SEL, id recognizer) { springboard::appSwitcherCardTapped(recognizer); }

}

namespace springboard {

Class SBUIControllerClass() { return g_SBUIController; }

void registerSBUIController()
{
    g_SBUIController = runtime::defineClass("SBUIController", foundation::NSObjectClass(), runtime::makeInstance<SBUIController>);
    addClassMethod(g_SBUIController, "sharedInstance"_sel, sharedInstanceMethod);
    addMethod(g_SBUIController, "isAppSwitcherShowing"_sel, isAppSwitcherShowing);
    addMethod(g_SBUIController, "_handleSwitcherCardTap:"_sel, handleSwitcherCardTap);
}

}
