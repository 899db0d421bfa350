#include "UITouch.h"
#include "ScreenConversion.h"

#include "foundation/NSArray.h"

namespace {

Class g_UITouch;

UITouch* asUITouch(id self) { return static_cast<UITouch*>(self); }

UIView* viewOf(id object)
{
    return static_cast<UIView*>(uikit::acceptOnly(object, uikit::UIViewClass(), "-[UITouch locationInView:]"));
}

CGPoint touchLocationInView(id self, SEL, id view) { return asUITouch(self)->location(viewOf(view)); }
CGPoint previousLocationInView(id self, SEL, id view) { return asUITouch(self)->previousLocation(viewOf(view)); }
long phase(id self, SEL) { return asUITouch(self)->phase; }
double touchTimestamp(id self, SEL) { return asUITouch(self)->timestamp; }
id touchView(id self, SEL) { return asUITouch(self)->view; }
id touchWindow(id self, SEL) { return asUITouch(self)->window; }

id touchGestureRecognizers(id self, SEL)
{
    NSArray* list = NSArray::array();
    for (auto const& recognizer : asUITouch(self)->gestureRecognizers)
        list->items.emplace_back(recognizer.get());
    return list;
}

// A view whose transform cannot be inverted has no coordinates to give: zero.
CGPoint convertedLocation(const UITouch* touch, const UIView* view, CGPoint screenPoint)
{
    const UIView* space = view ? view : touch->window.get();
    return uikit::convertFromScreen(space, screenPoint).value_or(CGPoint {});
}

}

CGPoint UITouch::location(const UIView* inView) const { return convertedLocation(this, inView, screenLocation); }
CGPoint UITouch::previousLocation(const UIView* inView) const { return convertedLocation(this, inView, previousScreenLocation); }

namespace uikit {

Class UITouchClass() { return g_UITouch; }

void registerUITouch()
{
    g_UITouch = runtime::defineClass("UITouch", foundation::NSObjectClass(), runtime::makeInstance<UITouch>);
    addMethod(g_UITouch, "locationInView:"_sel, touchLocationInView);
    addMethod(g_UITouch, "previousLocationInView:"_sel, previousLocationInView);
    addMethod(g_UITouch, "phase"_sel, phase);
    addMethod(g_UITouch, "timestamp"_sel, touchTimestamp);
    addMethod(g_UITouch, "view"_sel, touchView);
    addMethod(g_UITouch, "window"_sel, touchWindow);
    addMethod(g_UITouch, "gestureRecognizers"_sel, touchGestureRecognizers);
}

}
