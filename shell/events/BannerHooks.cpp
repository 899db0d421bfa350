// Notification banners for the pinned application.
#include "core/PreviousImplementations.h"
#include "core/Replacements.h"

void replacement_SBBulletinBannerController_addBulletin(id self, SEL selector, id observer, id bulletin, unsigned long feed, bool playLightsAndSirens, id reply)
{
    callPrevious(previous_SBBulletinBannerController_addBulletin, self, selector, observer, bulletin, feed, playLightsAndSirens, reply);
}
