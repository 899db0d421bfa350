// Notification banners for the pinned application: after the shell's own
// banner, the grabber shakes and its badge label shows the application's
// badge as it is now.
#include "core/PanelState.h"
#include "core/PreviousImplementations.h"
#include "core/Replacements.h"
#include "foundation/NSNumber.h"
#include "foundation/NSString.h"
#include "foundation/NSStringWithFormat.h"
#include "foundation/SystemLog.h"
#include "quartz/CAMediaTimingFunction.h"

#include <array>

namespace {

constexpr const char* kShakeKeyPath = "transform.translation.y";
constexpr const char* kShakeKey = "shake";
constexpr double kShakeSeconds = 0.6;
constexpr std::array<int, 9> kShakeOffsets { -20, 20, -20, 20, -10, 10, -5, 5, 0 };

id shakeValues()
{
    std::array<id, kShakeOffsets.size()> numbers {};
    for (size_t index = 0; index < kShakeOffsets.size(); ++index)
        numbers[index] = NSNumber::numberWithInteger(kShakeOffsets[index]);
    return send<id>(objc_getClass("NSArray"), "arrayWithObjects:count:"_sel, static_cast<const id*>(numbers.data()), numbers.size());
}

// Added under the same key, a new shake replaces one still running.
void shakeGrabber()
{
    id shake = send<id>(objc_getClass("CAKeyframeAnimation"), "animationWithKeyPath:"_sel, static_cast<id>(NSSTR(kShakeKeyPath)));
    id linear = send<id>(objc_getClass("CAMediaTimingFunction"), "functionWithName:"_sel, static_cast<id>(NSSTR(kCAMediaTimingFunctionLinear)));
    send(shake, "setTimingFunction:"_sel, linear);
    send(shake, "setDuration:"_sel, kShakeSeconds);
    send(shake, "setValues:"_sel, shakeValues());
    send(send<id>(grabber.get(), "layer"_sel), "addAnimation:forKey:"_sel, shake, static_cast<id>(NSSTR(kShakeKey)));
}

void showBadge()
{
    id badge = send<id>(app.get(), "badgeNumberOrString"_sel);
    NSString* text = NSStringWithFormat("%@", badge);
    if (!badge || send<unsigned long>(text, "length"_sel) == 0) {
        send(badgeLabel.get(), "setHidden:"_sel, true);
        return;
    }
    send(badgeLabel.get(), "setText:"_sel, static_cast<id>(text));
    NSLog("[Drawlet] Hey look, you have has %@ notification(s)!!!", badge);
    send(badgeLabel.get(), "setHidden:"_sel, false);
}

}

void replacement_SBBulletinBannerController_addBulletin(id self, SEL selector, id observer, id bulletin, unsigned long feed, bool playLightsAndSirens, id reply)
{
    callPrevious(previous_SBBulletinBannerController_addBulletin, self, selector, observer, bulletin, feed, playLightsAndSirens, reply);
    id section = send<id>(bulletin, "sectionID"_sel);
    if (!send<bool>(section, "isEqualToString:"_sel, static_cast<id>(currentHostedApplicationBundleIdentifier.get())))
        return;
    shakeGrabber();
    showBadge();
}
