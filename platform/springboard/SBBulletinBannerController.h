#pragma once
// The controller of notification banners: told of every bulletin, it shows
// the banner (BulletinBanner.h).
//
// Encodings, which replacements must match exactly:
//   observer:addBulletin:forFeed:playLightsAndSirens:withReply:  "v@:@@QB@"
//   sharedInstance "@@:" (class)

#include "foundation/NSObject.h"

struct SBBulletinBannerController : NSObject {
    long bulletinCount = 0;
    Strong<objc_object> lastBulletin;
};

namespace springboard {

// The feed bulletins from `notify` and the N key arrive on.
inline constexpr unsigned long kBannerFeed = 2;

Class SBBulletinBannerControllerClass();
void registerSBBulletinBannerController();
}
