#include "UIViewController.h"
#include "StatusBar.h"
#include "UIScreen.h"

namespace {

Class g_UIViewController;

UIViewController* asUIViewController(id self) { return static_cast<UIViewController*>(self); }

id controllerView(id self, SEL)
{
    auto* controller = asUIViewController(self);
    if (!controller->view) {
        // Made on first use, screen-sized, as loadView does on the phone.
        id made = send<id>(send<id>(uikit::UIViewClass(), "alloc"_sel), "initWithFrame:"_sel, uikit::mainScreenBounds());
        controller->view = adopt(static_cast<UIView*>(made));
    }
    return controller->view;
}

void setView(id self, SEL, id view)
{
    asUIViewController(self)->view = static_cast<UIView*>(uikit::acceptOnly(view, uikit::UIViewClass(), "-[UIViewController setView:]"));
}

void controllerViewDidAppear(id, SEL, bool) { }

bool prefersStatusBarHidden(id self, SEL) { return asUIViewController(self)->statusBarHiddenPreference; }

void setNeedsStatusBarAppearanceUpdate(id self, SEL)
{
    // Asked through the runtime, so a replaced prefersStatusBarHidden decides.
    uikit::setStatusBarHidden(send<bool>(self, "prefersStatusBarHidden"_sel));
}

}

namespace uikit {

Class UIViewControllerClass() { return g_UIViewController; }

void registerUIViewController()
{
    g_UIViewController = runtime::defineClass("UIViewController", UIResponderClass(), runtime::makeInstance<UIViewController>);
    addMethod(g_UIViewController, "view"_sel, controllerView);
    addMethod(g_UIViewController, "setView:"_sel, setView);
    addMethod(g_UIViewController, "viewDidAppear:"_sel, controllerViewDidAppear);
    addMethod(g_UIViewController, "prefersStatusBarHidden"_sel, prefersStatusBarHidden);
    addMethod(g_UIViewController, "setNeedsStatusBarAppearanceUpdate"_sel, setNeedsStatusBarAppearanceUpdate);
}

}
