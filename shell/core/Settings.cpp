#include "Settings.h"
#include "PanelState.h"
#include "SettingsReader.h"

#include "colorpicker/LCPParseColorString.h"
#include "dispatch/Dispatch.h"
#include "foundation/NSHomeDirectory.h"
#include "foundation/NSStringWithFormat.h"
#include "foundation/SystemLog.h"
#include "coregraphics/CGGeometry.h"

namespace {

// UIImageRenderingModeAlwaysTemplate: drawn in the view's tint colour.
constexpr long kRenderingModeAlwaysTemplate = 2;

id colorClassMessage(SEL selector)
{
    return send<id>(objc_getClass("UIColor"), selector);
}

void setOriginX(id view, CGFloat x)
{
    if (!view)
        return;
    CGRect frame = send<CGRect>(view, "frame"_sel);
    frame.origin.x = x;
    send(view, "setFrame:"_sel, frame);
}

void applyLayout()
{
    if (settingsBool(settings, "smallGrabber")) {
        setOriginX(grabber, 26);
        if (settingsBool(settings, "iconOnly")) {
            send(iconView, "setHidden:"_sel, false);
            send(grabberPointerImageView, "setHidden:"_sel, true);
            setOriginX(iconView, 2);
            return;
        }
        send(iconView, "setHidden:"_sel, true);
        send(grabberPointerImageView, "setHidden:"_sel, false);
        setOriginX(iconView, 24);
        return;
    }
    setOriginX(grabber, 0);
    setOriginX(iconView, 24);
    send(iconView, "setHidden:"_sel, false);
    send(grabberPointerImageView, "setHidden:"_sel, false);
}

void applyGrabberColor()
{
    id color = settingsBool(settings, "useCustomGrabberColor")
        ? LCPParseColorString(settingsString(settings, "customGrabberColor"), NSSTR("#FFFFFF"))
        : colorClassMessage("whiteColor"_sel);
    send(grabber, "setBackgroundColor:"_sel, color);
}

void applyArrowColor()
{
    // Whichever arrow shows now ("pointer_out" or "pointer_in") becomes a template.
    id image = send<id>(grabberPointerImageView, "image"_sel);
    send(grabberPointerImageView, "setImage:"_sel, send<id>(image, "imageWithRenderingMode:"_sel, kRenderingModeAlwaysTemplate));
    id color = settingsBool(settings, "useCustomArrowColor")
        ? LCPParseColorString(settingsString(settings, "customArrowColor"), NSSTR("#000000"))
        : colorClassMessage("blackColor"_sel);
    send(grabberPointerImageView, "setTintColor:"_sel, color);
}

}

NSString* settingsFilePath()
{
    return NSStringWithFormat("%@/Library/Preferences/%@", NSHomeDirectory(), NSSTR(kSettingsFileName));
}

NSDictionary* readSettingsFile()
{
    return send<NSDictionary*>(objc_getClass("NSMutableDictionary"), "dictionaryWithContentsOfFile:"_sel, static_cast<id>(settingsFilePath()));
}

void loadPreferences(CFNotificationCenterRef, void*, CFStringRef, const void*, CFDictionaryRef)
{
    // No coalescing: every notification gets its own run, 0.2 s after it.
    dispatch_after(dispatch_time(DISPATCH_TIME_NOW, 200'000'000), dispatch_get_main_queue(), [] { updateTweakSettings(); });
}

void updateTweakSettings()
{
    settings = readSettingsFile();
    NSLog("[Drawlet] updating preferecnes smallGrabber:%@ customGrabberColor:%@\tcustomArrowColor:%@!",
        yesOrNo(settingsBool(settings, "smallGrabber")),
        yesOrNo(settingsBool(settings, "useCustomGrabberColor")),
        yesOrNo(settingsBool(settings, "useCustomArrowColor")));
    applyLayout();
    applyGrabberColor();
    applyArrowColor();
}
