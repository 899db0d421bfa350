#pragma once
// A notification arriving for an application, as the phone's bulletin board
// delivers it: first the application's badge changes (its SBApplication, and
// so the badge on its home-screen icon), then a BBBulletin goes to
// SBBulletinBannerController's sharedInstance through the runtime, so a
// replacement of observer:addBulletin:forFeed:playLightsAndSirens:withReply:
// sees it.

#include <string>

namespace springboard {

// What the notification does to the application's badge.
struct BadgeChange {
    enum class Kind {
        Keep,
        Clear,
        Number,
        Text,
    };
    Kind kind = Kind::Keep;
    long long number = 0;
    std::string text;
};

// False, with the reason, for an application the shell does not know.
bool deliverNotification(const std::string& bundleIdentifier, const std::string& text, const BadgeChange& badge, std::string* error);

}
