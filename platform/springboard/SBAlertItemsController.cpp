#include "SBAlertItemsController.h"
#include "AlertQueue.h"
#include "SharedInstances.h"

namespace {

Class g_SBAlertItemsController;

void activateAlertItem(id, SEL, id item) { springboard::enqueueAlert(item); }
void alertButtonTappedMethod(id, SEL, id recognizer) { springboard::alertButtonTapped(recognizer); }

}

namespace springboard {

Class SBAlertItemsControllerClass() { return g_SBAlertItemsController; }

void registerSBAlertItemsController()
{
    g_SBAlertItemsController = runtime::defineClass("SBAlertItemsController", foundation::NSObjectClass(), runtime::makeInstance<SBAlertItemsController>);
    addClassMethod(g_SBAlertItemsController, "sharedInstance"_sel, sharedInstanceMethod);
    addMethod(g_SBAlertItemsController, "activateAlertItem:"_sel, activateAlertItem);
    addMethod(g_SBAlertItemsController, "_alertButtonTapped:"_sel, alertButtonTappedMethod);
}

}
