#include "PinnedApplicationNotice.h"

#include "foundation/NSNumber.h"
#include "foundation/SystemLog.h"
#include "notifications/CFNotificationCenter.h"
#include "springboard/NotificationDelivery.h"
#include "springboard/SBApplicationController.h"

#include <string>

namespace sim {

namespace {

constexpr const char* kPinnedNotification = "com.quillbrook.drawlet.currentHostedAppChanged";
constexpr const char* kBundleIdentifierKey = "bundleIdentifier";
constexpr const char* kMessage = "New message";

std::string& pinnedApplication()
{
    static std::string bundleIdentifier;
    return bundleIdentifier;
}

void pinnedChanged(CFNotificationCenterRef, void*, CFStringRef, const void*, CFDictionaryRef userInfo)
{
    id value = userInfo ? userInfo->objectForKey(kBundleIdentifierKey) : nullptr;
    if (!foundation::isKindOf(value, foundation::NSStringClass())) {
        systemlog::write(kCFLogLevelWarning, std::string("drawlet-sim: ") + kPinnedNotification + " carried no bundle identifier; the N key keeps " + (pinnedApplication().empty() ? "no application" : pinnedApplication()));
        return;
    }
    pinnedApplication() = static_cast<NSString*>(value)->value;
}

long long currentBadgeNumber(const std::string& bundleIdentifier)
{
    id controller = send<id>(springboard::SBApplicationControllerClass(), "sharedInstance"_sel);
    id application = send<id>(controller, "applicationWithBundleIdentifier:"_sel, static_cast<id>(NSString::make(bundleIdentifier)));
    id badge = send<id>(application, "badgeNumberOrString"_sel);
    if (!foundation::isKindOf(badge, foundation::NSNumberClass()))
        return 0;
    return static_cast<NSNumber*>(badge)->integerValue();
}

}

void listenForPinnedApplication()
{
    CFNotificationCenterAddObserver(CFNotificationCenterGetDistributedCenter(), nullptr, pinnedChanged, NSSTR(kPinnedNotification), nullptr,
        CFNotificationSuspensionBehaviorDeliverImmediately);
}

void notifyPinnedApplication()
{
    std::string const bundleIdentifier = pinnedApplication();
    if (bundleIdentifier.empty()) {
        systemlog::write(kCFLogLevelNotice, "drawlet-sim: N: no application is pinned; nothing is delivered");
        return;
    }
    AutoreleasePool pool;
    springboard::BadgeChange const badge { springboard::BadgeChange::Kind::Number, currentBadgeNumber(bundleIdentifier) + 1, {} };
    std::string error;
    if (!springboard::deliverNotification(bundleIdentifier, kMessage, badge, &error))
        systemlog::write(kCFLogLevelError, "drawlet-sim: N: " + error);
}

}
