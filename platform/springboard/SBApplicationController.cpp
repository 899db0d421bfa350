#include "SBApplicationController.h"
#include "SharedInstances.h"

#include <algorithm>

namespace {

Class g_SBApplicationController;

SBApplicationController* asSBApplicationController(id self) { return static_cast<SBApplicationController*>(self); }

id applicationWithBundleIdentifier(id self, SEL, id bundleIdentifier)
{
    if (!foundation::isKindOf(bundleIdentifier, foundation::NSStringClass()))
        return nullptr;
    auto const& wanted = static_cast<NSString*>(bundleIdentifier)->value;
    for (auto const& application : asSBApplicationController(self)->applications) {
        if (application->bundleIdentifier && application->bundleIdentifier->value == wanted)
            return application;
    }
    return nullptr;
}

}

namespace springboard {

Class SBApplicationControllerClass() { return g_SBApplicationController; }

void installApplication(SBApplication* application)
{
    if (!application || !application->bundleIdentifier)
        return;
    auto* controller = static_cast<SBApplicationController*>(sharedInstanceOf(g_SBApplicationController));
    auto& list = controller->applications;
    std::erase_if(list, [&](const Strong<SBApplication>& installed) {
        return installed->bundleIdentifier && installed->bundleIdentifier->value == application->bundleIdentifier->value;
    });
    list.emplace_back(application);
}

void registerSBApplicationController()
{
    g_SBApplicationController = runtime::defineClass("SBApplicationController", foundation::NSObjectClass(), runtime::makeInstance<SBApplicationController>);
    addClassMethod(g_SBApplicationController, "sharedInstance"_sel, sharedInstanceMethod);
    addMethod(g_SBApplicationController, "applicationWithBundleIdentifier:"_sel, applicationWithBundleIdentifier);
}

}
