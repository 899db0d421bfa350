#include "UIView.h"
#include "UIWindow.h"
#include "ViewAnimator.h"

#include "foundation/NSArray.h"
#include "foundation/SystemLog.h"

#include <algorithm>
#include <cstdio>

namespace {

Class g_UIView;

UIView* asUIView(id self) { return static_cast<UIView*>(self); }

// Takes the view out of its superview's list without a message: the tree
// changes the same way whoever asks for it.
void detach(UIView* view)
{
    UIView* parent = view->superview;
    if (!parent)
        return;
    Strong<UIView> keepAlive(view);
    view->superview = nullptr;
    auto& siblings = parent->subviews;
    siblings.erase(std::remove_if(siblings.begin(), siblings.end(), [&](const Strong<UIView>& s) { return s.get() == view; }), siblings.end());
}

id initViewWithFrame(id self, SEL, CGRect frame)
{
    asUIView(self)->setFrame(frame);
    return self;
}

id initView(id self, SEL) { return send<id>(self, "initWithFrame:"_sel, CGRectZero); }

// Changes of the frame and alpha go through the animator, which animates
// them inside an animation block.
CGRect frame(id self, SEL) { return asUIView(self)->frame(); }
void setFrame(id self, SEL, CGRect frame)
{
    UIView* view = asUIView(self);
    uikit::ViewAnimator::shared().changeFrame(view, [&] { view->setFrame(frame); });
}
CGRect viewBounds(id self, SEL) { return asUIView(self)->bounds(); }
void setBounds(id self, SEL, CGRect bounds)
{
    UIView* view = asUIView(self);
    uikit::ViewAnimator::shared().changeFrame(view, [&] { view->setBounds(bounds); });
}
CGPoint center(id self, SEL) { return asUIView(self)->center(); }
void setCenter(id self, SEL, CGPoint center)
{
    UIView* view = asUIView(self);
    uikit::ViewAnimator::shared().changeFrame(view, [&] { view->setCenter(center); });
}
CGAffineTransform transform(id self, SEL) { return asUIView(self)->transform; }
void setTransform(id self, SEL, CGAffineTransform transform) { asUIView(self)->transform = transform; }

bool isHidden(id self, SEL) { return asUIView(self)->hidden; }
void setHidden(id self, SEL, bool hidden)
{
    auto* view = asUIView(self);
    if (view->hidden == hidden)
        return;
    view->hidden = hidden;
    view->hiddenDidChange();
}

CGFloat alpha(id self, SEL) { return asUIView(self)->alpha; }
void setAlpha(id self, SEL, CGFloat alpha)
{
    UIView* view = asUIView(self);
    uikit::ViewAnimator::shared().changeAlpha(view, [&] { view->alpha = alpha; });
}
bool isUserInteractionEnabled(id self, SEL) { return asUIView(self)->userInteractionEnabled; }
void setUserInteractionEnabled(id self, SEL, bool enabled) { asUIView(self)->userInteractionEnabled = enabled; }
// Clipping is the layer's: the two flags are one.
bool clipsToBounds(id self, SEL) { return asUIView(self)->layer->masksToBounds; }
void setClipsToBounds(id self, SEL, bool clips) { asUIView(self)->layer->masksToBounds = clips; }
long contentMode(id self, SEL) { return asUIView(self)->contentMode; }
void setContentMode(id self, SEL, long mode) { asUIView(self)->contentMode = mode; }

id backgroundColor(id self, SEL) { return asUIView(self)->backgroundColor; }
void setBackgroundColor(id self, SEL, id color)
{
    asUIView(self)->backgroundColor = static_cast<UIColor*>(uikit::acceptOnly(color, uikit::UIColorClass(), "-[UIView setBackgroundColor:]"));
}

id tintColor(id self, SEL) { return asUIView(self)->effectiveTintColor(); }
void setTintColor(id self, SEL, id color)
{
    asUIView(self)->tintColor = static_cast<UIColor*>(uikit::acceptOnly(color, uikit::UIColorClass(), "-[UIView setTintColor:]"));
}

id accessibilityHint(id self, SEL) { return asUIView(self)->accessibilityHint; }
void setAccessibilityHint(id self, SEL, id hint)
{
    asUIView(self)->accessibilityHint = uikit::acceptString(hint, "-[UIView setAccessibilityHint:]");
}

id layer(id self, SEL) { return asUIView(self)->layer; }
id superview(id self, SEL) { return asUIView(self)->superview; }

id viewWindow(id self, SEL)
{
    UIView* root = asUIView(self);
    while (root->superview)
        root = root->superview;
    return foundation::isKindOf(root, uikit::UIWindowClass()) ? root : nullptr;
}

id subviews(id self, SEL)
{
    NSArray* list = NSArray::array();
    for (auto const& subview : asUIView(self)->subviews)
        list->items.emplace_back(subview.get());
    return list;
}

void addSubview(id self, SEL, id subview)
{
    if (!uikit::acceptOnly(subview, g_UIView, "-[UIView addSubview:]"))
        return;
    auto* child = asUIView(subview);
    // A view inside its own subtree would own itself and never be freed.
    for (UIView* ancestor = asUIView(self); ancestor; ancestor = ancestor->superview) {
        if (ancestor == child) {
            systemlog::write(kCFLogLevelError, "-[UIView addSubview:]: refused: the view is the receiver or one of its superviews");
            return;
        }
    }
    Strong<UIView> keepAlive(child);
    detach(child);
    child->superview = asUIView(self);
    asUIView(self)->subviews.emplace_back(child);
}

void removeFromSuperview(id self, SEL) { detach(asUIView(self)); }

id viewDescription(id self, SEL)
{
    CGRect const f = asUIView(self)->frame();
    char text[200];
    std::snprintf(text, sizeof text, "<%s: %p; frame = (%g %g; %g %g)%s>", class_getName(self->isa), static_cast<void*>(self), f.origin.x, f.origin.y, f.size.width, f.size.height, asUIView(self)->hidden ? "; hidden = YES" : "");
    return NSString::make(text);
}

}

UIView::UIView()
    : layer(adopt(quartz::makeLayer()))
{
    layer->delegate = this;
}

UIView::~UIView()
{
    for (auto& subview : subviews)
        subview->superview = nullptr;
    // A touch may keep a recognizer alive after its view has gone.
    for (auto& recognizer : gestureRecognizers)
        recognizer->view = nullptr;
    if (layer)
        layer->delegate = nullptr;
}

UIColor* UIView::effectiveTintColor() const
{
    for (const UIView* view = this; view; view = view->superview) {
        if (view->tintColor)
            return view->tintColor;
    }
    return uikit::defaultTintColor();
}

namespace uikit {

Class UIViewClass() { return g_UIView; }

UIColor* defaultTintColor()
{
    // The phone's system blue.
    return UIColor::make(0, 122.0 / 255, 1, 1);
}

id acceptOnly(id object, Class cls, const char* what)
{
    if (!object || foundation::isKindOf(object, cls))
        return object;
    systemlog::write(kCFLogLevelError, std::string(what) + ": refused an object of class " + class_getName(object->isa) + " where " + class_getName(cls) + " was expected");
    return nullptr;
}

NSString* acceptString(id object, const char* what)
{
    return static_cast<NSString*>(acceptOnly(object, foundation::NSStringClass(), what));
}

void registerUIViewHitTesting(Class view);

void registerUIView()
{
    g_UIView = runtime::defineClass("UIView", UIResponderClass(), runtime::makeInstance<UIView>);
    addMethod(g_UIView, "initWithFrame:"_sel, initViewWithFrame);
    addMethod(g_UIView, "init"_sel, initView);
    addMethod(g_UIView, "frame"_sel, frame);
    addMethod(g_UIView, "setFrame:"_sel, setFrame);
    addMethod(g_UIView, "bounds"_sel, viewBounds);
    addMethod(g_UIView, "setBounds:"_sel, setBounds);
    addMethod(g_UIView, "center"_sel, center);
    addMethod(g_UIView, "setCenter:"_sel, setCenter);
    addMethod(g_UIView, "transform"_sel, transform);
    addMethod(g_UIView, "setTransform:"_sel, setTransform);
    addMethod(g_UIView, "hidden"_sel, isHidden);
    addMethod(g_UIView, "isHidden"_sel, isHidden);
    addMethod(g_UIView, "setHidden:"_sel, setHidden);
    addMethod(g_UIView, "alpha"_sel, alpha);
    addMethod(g_UIView, "setAlpha:"_sel, setAlpha);
    addMethod(g_UIView, "userInteractionEnabled"_sel, isUserInteractionEnabled);
    addMethod(g_UIView, "isUserInteractionEnabled"_sel, isUserInteractionEnabled);
    addMethod(g_UIView, "setUserInteractionEnabled:"_sel, setUserInteractionEnabled);
    addMethod(g_UIView, "clipsToBounds"_sel, clipsToBounds);
    addMethod(g_UIView, "setClipsToBounds:"_sel, setClipsToBounds);
    addMethod(g_UIView, "contentMode"_sel, contentMode);
    addMethod(g_UIView, "setContentMode:"_sel, setContentMode);
    addMethod(g_UIView, "backgroundColor"_sel, backgroundColor);
    addMethod(g_UIView, "setBackgroundColor:"_sel, setBackgroundColor);
    addMethod(g_UIView, "tintColor"_sel, tintColor);
    addMethod(g_UIView, "setTintColor:"_sel, setTintColor);
    addMethod(g_UIView, "accessibilityHint"_sel, accessibilityHint);
    addMethod(g_UIView, "setAccessibilityHint:"_sel, setAccessibilityHint);
    addMethod(g_UIView, "layer"_sel, layer);
    addMethod(g_UIView, "superview"_sel, superview);
    addMethod(g_UIView, "window"_sel, viewWindow);
    addMethod(g_UIView, "subviews"_sel, subviews);
    addMethod(g_UIView, "addSubview:"_sel, addSubview);
    addMethod(g_UIView, "removeFromSuperview"_sel, removeFromSuperview);
    addMethod(g_UIView, "description"_sel, viewDescription);
    registerUIViewHitTesting(g_UIView);
    registerUIViewGestureRecognizers(g_UIView);
}

}
