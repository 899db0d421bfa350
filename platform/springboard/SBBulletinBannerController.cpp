#include "SBBulletinBannerController.h"

namespace {

Class g_SBBulletinBannerController;

SBBulletinBannerController* self_(id self) { return static_cast<SBBulletinBannerController*>(self); }

void addBulletin(id self, SEL, id, id bulletin, unsigned long, bool, id)
{
    auto* controller = self_(self);
    ++controller->bulletinCount;
    controller->lastBulletin = bulletin;
}

}

namespace springboard {

Class SBBulletinBannerControllerClass() { return g_SBBulletinBannerController; }

void registerSBBulletinBannerController()
{
    g_SBBulletinBannerController = runtime::defineClass("SBBulletinBannerController", foundation::NSObjectClass(), runtime::makeInstance<SBBulletinBannerController>);
    addMethod(g_SBBulletinBannerController, "observer:addBulletin:forFeed:playLightsAndSirens:withReply:"_sel, addBulletin);
}

}
