// Keyboard avoidance: a grabber that the coming keyboard would cover is lifted
// above it, and put back where it was when the keyboard goes.
#include "PanelAnimation.h"

#include "core/PanelState.h"
#include "core/Replacements.h"
#include "core/ShellMessages.h"
#include "core/ViewFrames.h"
#include "coregraphics/CGGeometry.h"
#include "foundation/NSBlock.h"
#include "foundation/NSNumber.h"
#include "foundation/NSString.h"

namespace {

// How far above the keyboard's top edge a lifted grabber's top edge lies.
constexpr double kLiftAboveKeyboard = 78;

CGRect keyboardBeginFrame(id notification)
{
    id userInfo = send<id>(notification, "userInfo"_sel);
    id value = send<id>(userInfo, "valueForKey:"_sel, static_cast<id>(NSSTR("UIKeyboardFrameBeginUserInfoKey")));
    return send<CGRect>(value, "CGRectValue"_sel);
}

double grabberOriginY()
{
    return send<CGRect>(grabber.get(), "frame"_sel).origin.y;
}

void animateGrabber(std::function<double()> originY)
{
    id changes = makeBlock([originY = std::move(originY)] { setOriginY(grabber.get(), originY()); });
    send(objc_getClass("UIView"), "animateWithDuration:animations:"_sel, kPanelSlideSeconds, changes);
}

}

void added_SpringBoard_noticeShowKeyboard(id, SEL, id notification)
{
    double const keyboardHeight = keyboardBeginFrame(notification).size.height;
    // Saved only while the grabber is in place: a second show while it is
    // lifted (the keyboard changing height, another field taking the focus)
    // must not make the lifted height the one the hide goes back to.
    if (!needsToPutGrabberBack)
        grabberOrigXBeforeKeyboardPop = foundation::saturatingInt32(grabberOriginY());
    double const limit = mainScreenBounds().size.height - keyboardHeight;
    if (!(grabberOriginY() > limit))
        return;
    needsToPutGrabberBack = true;
    animateGrabber([keyboardHeight] { return mainScreenBounds().size.height - keyboardHeight - kLiftAboveKeyboard; });
}

void added_SpringBoard_noticeHideKeyboard(id, SEL, id)
{
    if (!needsToPutGrabberBack)
        return;
    double const saved = grabberOrigXBeforeKeyboardPop;
    animateGrabber([saved] { return saved; });
    needsToPutGrabberBack = false;
}
