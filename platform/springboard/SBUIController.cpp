#include "SBUIController.h"
#include "SharedInstances.h"

namespace {

Class g_SBUIController;

bool isAppSwitcherShowing(id self, SEL) { return static_cast<SBUIController*>(self)->appSwitcherShowing; }

}

namespace springboard {

Class SBUIControllerClass() { return g_SBUIController; }

void registerSBUIController()
{
    g_SBUIController = runtime::defineClass("SBUIController", foundation::NSObjectClass(), runtime::makeInstance<SBUIController>);
    addClassMethod(g_SBUIController, "sharedInstance"_sel, sharedInstanceMethod);
    addMethod(g_SBUIController, "isAppSwitcherShowing"_sel, isAppSwitcherShowing);
}

}
