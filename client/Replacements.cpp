#include "Replacements.h"
#include "ClientState.h"

#include "uikit/UIApplication.h"

namespace {

// What a hidden application's status bar is told, whatever was asked.
constexpr long kHiddenRotationOrientation = UIInterfaceOrientationLandscapeLeft;
constexpr double kHiddenRotationDuration = 10.0;

}

namespace client {

id (*previous_UIApplication_init)(id, SEL);
void (*previous_UIApplication_handleApplicationActivation)(id, SEL, id, id, id);
void (*previous_UIApplication_willChangeStatusBarOrientation)(id, SEL, id, long, double);
bool (*previous_UIViewController_prefersStatusBarHidden)(id, SEL);

id replacement_UIApplication_init(id self, SEL selector)
{
    hostedApplication = self;
    // An empty slot (no init to replace) would make the application nil.
    if (!previous_UIApplication_init)
        return self;
    return previous_UIApplication_init(self, selector);
}

void replacement_UIApplication_handleApplicationActivation(id self, SEL selector, id scene, id transitionContext, id completion)
{
    callPrevious(previous_UIApplication_handleApplicationActivation, self, selector, scene, transitionContext, completion);
    // UIKit asks the root view controller again; with no key window or no
    // root view controller this goes to nil and does nothing.
    id window = send<id>(self, "keyWindow"_sel);
    send(send<id>(window, "rootViewController"_sel), "setNeedsStatusBarAppearanceUpdate"_sel);
}

void replacement_UIApplication_willChangeStatusBarOrientation(id self, SEL selector, id application, long orientation, double duration)
{
    if (statusBarHidden) {
        callPrevious(previous_UIApplication_willChangeStatusBarOrientation, self, selector, hostedApplication, kHiddenRotationOrientation, kHiddenRotationDuration);
        return;
    }
    callPrevious(previous_UIApplication_willChangeStatusBarOrientation, self, selector, application, orientation, duration);
}

bool replacement_UIViewController_prefersStatusBarHidden(id self, SEL selector)
{
    if (statusBarHidden)
        return true;
    return callPrevious(previous_UIViewController_prefersStatusBarHidden, self, selector);
}

}
