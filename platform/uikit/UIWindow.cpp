#include "UIWindow.h"

#include <algorithm>
#include <cmath>

namespace {

Class g_UIWindow;

struct WindowList {
    std::vector<Strong<UIWindow>> visible;
    UIWindow* key = nullptr;
    uint64_t nextOrder = 1;
};

WindowList& windowList()
{
    static auto* list = new WindowList;
    return *list;
}

UIWindow* asUIWindow(id self) { return static_cast<UIWindow*>(self); }

UIWindowLevel windowLevel(id self, SEL) { return asUIWindow(self)->windowLevel; }
void setWindowLevel(id self, SEL, UIWindowLevel level) { asUIWindow(self)->windowLevel = level; }

void makeKeyAndVisible(id self, SEL)
{
    send(self, "setHidden:"_sel, false);
    windowList().key = asUIWindow(self);
}

bool isKeyWindow(id self, SEL) { return windowList().key == asUIWindow(self); }

id rootViewController(id self, SEL) { return asUIWindow(self)->rootViewController; }

void setRootViewController(id self, SEL, id controller)
{
    asUIWindow(self)->rootViewController = static_cast<UIViewController*>(
        uikit::acceptOnly(controller, uikit::UIViewControllerClass(), "-[UIWindow setRootViewController:]"));
}

}

void UIWindow::hiddenDidChange()
{
    auto& list = windowList();
    if (!hidden) {
        visibleOrder = list.nextOrder++;
        list.visible.emplace_back(this);
        return;
    }
    if (list.key == this)
        list.key = nullptr;
    // Hold the window until the list no longer refers to it.
    Strong<UIWindow> keepAlive(this);
    std::erase_if(list.visible, [&](const Strong<UIWindow>& window) { return window.get() == this; });
}

namespace uikit {

Class UIWindowClass() { return g_UIWindow; }

std::vector<UIWindow*> visibleWindowsBackToFront()
{
    std::vector<UIWindow*> result;
    for (auto const& window : windowList().visible)
        result.push_back(window.get());
    std::stable_sort(result.begin(), result.end(), [](const UIWindow* a, const UIWindow* b) {
        // A level that is not a number sorts as the normal level, keeping the order strict.
        auto level = [](const UIWindow* w) { return std::isnan(w->windowLevel) ? UIWindowLevelNormal : w->windowLevel; };
        if (level(a) != level(b))
            return level(a) < level(b);
        return a->visibleOrder < b->visibleOrder;
    });
    return result;
}

UIWindow* keyWindow() { return windowList().key; }

void resetWindows()
{
    auto& list = windowList();
    list.key = nullptr;
    // Release outside the list: a window freed now must not find itself in it.
    auto released = std::move(list.visible);
    list.visible.clear();
    list.nextOrder = 1;
}

void registerUIWindow()
{
    g_UIWindow = runtime::defineClass("UIWindow", UIViewClass(), runtime::makeInstance<UIWindow>);
    addMethod(g_UIWindow, "windowLevel"_sel, windowLevel);
    addMethod(g_UIWindow, "setWindowLevel:"_sel, setWindowLevel);
    addMethod(g_UIWindow, "makeKeyAndVisible"_sel, makeKeyAndVisible);
    addMethod(g_UIWindow, "isKeyWindow"_sel, isKeyWindow);
    addMethod(g_UIWindow, "rootViewController"_sel, rootViewController);
    addMethod(g_UIWindow, "setRootViewController:"_sel, setRootViewController);
}

}
