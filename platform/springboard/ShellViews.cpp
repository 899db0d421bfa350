#include "ShellViews.h"

#include "foundation/NSString.h"
#include "uikit/UIColor.h"
#include "uikit/UIFont.h"
#include "uikit/UIScreen.h"

namespace springboard {

namespace {

id make(Class cls, CGRect frame)
{
    return send<id>(send<id>(cls, "alloc"_sel), "initWithFrame:"_sel, frame);
}

// The parent retains what it is given; the caller's reference is let go.
template <typename View>
View* addTo(UIView* parent, id view)
{
    send(static_cast<id>(parent), "addSubview:"_sel, view);
    objc_release(view);
    return static_cast<View*>(view);
}

}

Strong<UIWindow> makeShellWindow(UIWindowLevel level)
{
    auto window = adopt(static_cast<UIWindow*>(make(uikit::UIWindowClass(), uikit::mainScreenBounds())));
    send(static_cast<id>(window.get()), "setWindowLevel:"_sel, level);
    return window;
}

UIView* addView(UIView* parent, CGRect frame, UIColor* color)
{
    auto* view = addTo<UIView>(parent, make(uikit::UIViewClass(), frame));
    if (color)
        send(static_cast<id>(view), "setBackgroundColor:"_sel, static_cast<id>(color));
    return view;
}

UILabel* addLabel(UIView* parent, CGRect frame, const std::string& text, const LabelStyle& style)
{
    auto* label = addTo<UILabel>(parent, make(uikit::UILabelClass(), frame));
    id self = label;
    send(self, "setText:"_sel, static_cast<id>(NSString::make(text)));
    send(self, "setFont:"_sel, static_cast<id>(style.bold ? UIFont::boldSystemFont(style.size) : UIFont::systemFont(style.size)));
    if (style.color)
        send(self, "setTextColor:"_sel, static_cast<id>(style.color));
    send(self, "setTextAlignment:"_sel, style.alignment);
    send(self, "setNumberOfLines:"_sel, style.lines);
    return label;
}

id addRecognizer(UIView* view, Class recognizerClass, id target, SEL action)
{
    id recognizer = send<id>(send<id>(recognizerClass, "alloc"_sel), "initWithTarget:action:"_sel, target, action);
    send(static_cast<id>(view), "addGestureRecognizer:"_sel, recognizer);
    objc_release(recognizer);
    return recognizer;
}

}
