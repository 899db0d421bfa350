#pragma once
// The controller of notification banners.
//
// Encodings, which replacements must match exactly:
//   observer:addBulletin:forFeed:playLightsAndSirens:withReply:  "v@:@@QB@"

#include "foundation/NSObject.h"

struct SBBulletinBannerController : NSObject {
    long bulletinCount = 0;
    Strong<objc_object> lastBulletin;
};

namespace springboard {
Class SBBulletinBannerControllerClass();
void registerSBBulletinBannerController();
}
