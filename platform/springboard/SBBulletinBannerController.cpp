#include "SBBulletinBannerController.h"
#include "BulletinBanner.h"
#include "SharedInstances.h"

namespace {

Class g_SBBulletinBannerController;

SBBulletinBannerController* asSBBulletinBannerController(id self) { return static_cast<SBBulletinBannerController*>(self); }

void addBulletin(id self, SEL, id, id bulletin, unsigned long, bool, id)
{
    auto* controller = asSBBulletinBannerController(self);
    ++controller->bulletinCount;
    controller->lastBulletin = bulletin;
    springboard::showBanner(bulletin);
}

void handleBannerTap(id, SEL, id recognizer)
{
    springboard::bannerTapped(recognizer);
}

}

namespace springboard {

Class SBBulletinBannerControllerClass() { return g_SBBulletinBannerController; }

void registerSBBulletinBannerController()
{
    g_SBBulletinBannerController = runtime::defineClass("SBBulletinBannerController", foundation::NSObjectClass(), runtime::makeInstance<SBBulletinBannerController>);
    addClassMethod(g_SBBulletinBannerController, "sharedInstance"_sel, sharedInstanceMethod);
    addMethod(g_SBBulletinBannerController, "observer:addBulletin:forFeed:playLightsAndSirens:withReply:"_sel, addBulletin);
    addMethod(g_SBBulletinBannerController, "_bannerTapped:"_sel, handleBannerTap);
}

}
