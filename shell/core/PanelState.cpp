#include "PanelState.h"

#include "coregraphics/CGGeometry.h"

Strong<objc_object> window;
Strong<objc_object> bounds;
Strong<objc_object> grabber;
Strong<objc_object> grabberPointerImageView;
Strong<objc_object> iconView;
Strong<objc_object> badgeLabel;
Strong<objc_object> applicationContainerView;

Strong<NSString> currentHostedApplicationBundleIdentifier;
Strong<objc_object> app;
Strong<objc_object> appIcon;
Strong<objc_object> applicationView;
// The one symbol the library exports.
extern "C" {
__attribute__((visibility("default"))) float scaleFactor = 0;
}

Strong<NSDictionary> settings;
Strong<objc_object> bundle;
Strong<objc_object> startupAlert;

bool tweakEnabled;
bool isActive;
bool isHidden;
bool manuallyHidden;
bool isUnlocked;
bool needsToPutGrabberBack;
int32_t grabberOrigXBeforeKeyboardPop;
int32_t firstX;
int32_t firstY;

void setApplicationView(id view)
{
    Strong<objc_object> previous = applicationView;
    applicationView = view;
    if (!previous || previous.get() == view)
        return;
    if (send<id>(previous.get(), "superview"_sel) == applicationContainerView.get())
        send(previous.get(), "removeFromSuperview"_sel);
}

void scaleApplicationView()
{
    double const scale = scaleFactor;
    send(applicationView.get(), "setTransform:"_sel, CGAffineTransformScale(CGAffineTransformIdentity, scale, scale));
    CGRect frame = send<CGRect>(applicationView.get(), "frame"_sel);
    frame.origin = CGPointMake(0, 0);
    send(applicationView.get(), "setFrame:"_sel, frame);
}
