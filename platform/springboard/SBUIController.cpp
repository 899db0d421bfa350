#include "SBUIController.h"
#include "SharedInstances.h"

namespace {
Class g_SBUIController;
}

namespace springboard {

Class SBUIControllerClass() { return g_SBUIController; }

void registerSBUIController()
{
    g_SBUIController = runtime::defineClass("SBUIController", foundation::NSObjectClass(), runtime::makeInstance<SBUIController>);
    addClassMethod(g_SBUIController, "sharedInstance"_sel, sharedInstanceMethod);
}

}
