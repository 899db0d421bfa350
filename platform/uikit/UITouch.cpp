#include "UITouch.h"
#include "ScreenConversion.h"

#include "foundation/NSArray.h"

namespace {

Class g_UITouch;

UITouch* self_(id self) { return static_cast<UITouch*>(self); }

UIView* viewOf(id object)
{
    return static_cast<UIView*>(uikit::acceptOnly(object, uikit::UIViewClass(), "-[UITouch locationInView:]"));
}

CGPoint locationInView(id self, SEL, id view) { return self_(self)->location(viewOf(view)); }
CGPoint previousLocationInView(id self, SEL, id view) { return self_(self)->previousLocation(viewOf(view)); }
long phase(id self, SEL) { return self_(self)->phase; }
double timestamp(id self, SEL) { return self_(self)->timestamp; }
id view(id self, SEL) { return self_(self)->view; }
id window(id self, SEL) { return self_(self)->window; }

id gestureRecognizers(id self, SEL)
{
    NSArray* list = NSArray::array();
    for (auto const& recognizer : self_(self)->gestureRecognizers)
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
    addMethod(g_UITouch, "locationInView:"_sel, locationInView);
    addMethod(g_UITouch, "previousLocationInView:"_sel, previousLocationInView);
    addMethod(g_UITouch, "phase"_sel, phase);
    addMethod(g_UITouch, "timestamp"_sel, timestamp);
    addMethod(g_UITouch, "view"_sel, view);
    addMethod(g_UITouch, "window"_sel, window);
    addMethod(g_UITouch, "gestureRecognizers"_sel, gestureRecognizers);
}

}
