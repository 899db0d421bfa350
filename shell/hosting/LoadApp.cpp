// Loading an application's live scene into the panel, scaled to its height.
#include "RKVContextHostProvider.h"

#include "core/PanelState.h"
#include "core/Replacements.h"
#include "core/ShellMessages.h"
#include "coregraphics/CGGeometry.h"
#include "foundation/NSNumber.h"

void added_SpringBoard_loadAppInApplicationView(id self, SEL, id bundleIdentifier)
{
    CGRect const panel = send<CGRect>(applicationContainerView.get(), "frame"_sel);
    CGRect const screen = mainScreenBounds();
    scaleFactor = static_cast<float>(panel.size.height / screen.size.height);

    // With no identifier, the application in front is taken, and the shell
    // goes home before it is hosted.
    id frontApplication = nullptr;
    if (!bundleIdentifier) {
        frontApplication = frontMostApplication();
        send(self, "_handleMenuButtonEvent"_sel);
    }
    auto target = [&] { return bundleIdentifier ? bundleIdentifier : send<id>(frontApplication, "bundleIdentifier"_sel); };

    send(sharedHostProvider(), "setStatusBarHidden:onApplicationWithBundleID:"_sel, static_cast<id>(NSNumber::numberWithInteger(1)), target());
    setApplicationView(send<id>(sharedHostProvider(), "hostViewForApplicationWithBundleID:"_sel, target()));

    id view = applicationView.get();
    if (!view)
        return;
    scaleApplicationView();
    send(applicationContainerView.get(), "addSubview:"_sel, view);
}
