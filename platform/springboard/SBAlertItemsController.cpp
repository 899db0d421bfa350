#include "SBAlertItemsController.h"
#include "SharedInstances.h"

namespace {
Class g_SBAlertItemsController;
}

namespace springboard {

Class SBAlertItemsControllerClass() { return g_SBAlertItemsController; }

void registerSBAlertItemsController()
{
    g_SBAlertItemsController = runtime::defineClass("SBAlertItemsController", foundation::NSObjectClass(), runtime::makeInstance<SBAlertItemsController>);
    addClassMethod(g_SBAlertItemsController, "sharedInstance"_sel, sharedInstanceMethod);
}

}
