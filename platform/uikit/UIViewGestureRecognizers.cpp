// The recognizers a view carries: adding, removing and listing them.

#include "UIGestureRecognizer.h"
#include "UIView.h"

#include "foundation/NSArray.h"

#include <algorithm>

namespace {

UIView* recognizingView(id self) { return static_cast<UIView*>(self); }

UIGestureRecognizer* recognizerArgument(id recognizer, const char* what)
{
    return static_cast<UIGestureRecognizer*>(uikit::acceptOnly(recognizer, uikit::UIGestureRecognizerClass(), what));
}

void removeGestureRecognizer(id self, SEL, id argument)
{
    UIGestureRecognizer* recognizer = recognizerArgument(argument, "-[UIView removeGestureRecognizer:]");
    if (!recognizer || recognizer->view != recognizingView(self))
        return;
    Strong<UIGestureRecognizer> keepAlive(recognizer);
    // Its gesture stops before it leaves, so its target hears the cancel while
    // the view is still there.
    recognizer->abandon();
    std::erase_if(recognizingView(self)->gestureRecognizers, [&](const Strong<UIGestureRecognizer>& r) { return r.get() == recognizer; });
    recognizer->view = nullptr;
}

void addGestureRecognizer(id self, SEL, id argument)
{
    UIGestureRecognizer* recognizer = recognizerArgument(argument, "-[UIView addGestureRecognizer:]");
    if (!recognizer || recognizer->view == recognizingView(self))
        return;
    // A recognizer belongs to one view at a time: it moves.
    if (recognizer->view)
        send(static_cast<id>(recognizer->view), "removeGestureRecognizer:"_sel, argument);
    recognizer->view = recognizingView(self);
    recognizingView(self)->gestureRecognizers.emplace_back(recognizer);
}

id viewGestureRecognizers(id self, SEL)
{
    auto const& attached = recognizingView(self)->gestureRecognizers;
    if (attached.empty())
        return nullptr;
    NSArray* list = NSArray::array();
    for (auto const& recognizer : attached)
        list->items.emplace_back(recognizer.get());
    return list;
}

}

namespace uikit {

void registerUIViewGestureRecognizers(Class view)
{
    addMethod(view, "addGestureRecognizer:"_sel, addGestureRecognizer);
    addMethod(view, "removeGestureRecognizer:"_sel, removeGestureRecognizer);
    addMethod(view, "gestureRecognizers"_sel, viewGestureRecognizers);
}

}
