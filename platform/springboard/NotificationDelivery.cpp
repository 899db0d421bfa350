#include "NotificationDelivery.h"

#include "BBBulletin.h"
#include "SBApplicationController.h"
#include "SBBulletinBannerController.h"
#include "SharedInstances.h"

#include "foundation/NSNumber.h"

namespace springboard {

namespace {

id badgeValue(const BadgeChange& badge)
{
    if (badge.kind == BadgeChange::Kind::Number)
        return NSNumber::numberWithInteger(badge.number);
    if (badge.kind == BadgeChange::Kind::Text)
        return NSString::make(badge.text);
    return nullptr;
}

}

bool deliverNotification(const std::string& bundleIdentifier, const std::string& text, const BadgeChange& badge, std::string* error)
{
    id controller = sharedInstanceOf(SBApplicationControllerClass());
    id application = send<id>(controller, "applicationWithBundleIdentifier:"_sel, static_cast<id>(NSString::make(bundleIdentifier)));
    if (!application) {
        *error = "the shell does not know " + bundleIdentifier;
        return false;
    }
    if (badge.kind != BadgeChange::Kind::Keep)
        send(application, "setBadge:"_sel, badgeValue(badge));

    auto bulletin = adopt(send<id>(send<id>(BBBulletinClass(), "alloc"_sel), "init"_sel));
    send(bulletin.get(), "setSectionID:"_sel, static_cast<id>(NSString::make(bundleIdentifier)));
    send(bulletin.get(), "setTitle:"_sel, send<id>(application, "displayName"_sel));
    send(bulletin.get(), "setMessage:"_sel, static_cast<id>(NSString::make(text)));
    id banners = send<id>(SBBulletinBannerControllerClass(), "sharedInstance"_sel);
    send(banners, "observer:addBulletin:forFeed:playLightsAndSirens:withReply:"_sel, static_cast<id>(nullptr), bulletin.get(), kBannerFeed, true,
        static_cast<id>(nullptr));
    return true;
}

}
