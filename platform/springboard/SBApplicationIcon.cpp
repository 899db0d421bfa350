#include "SBApplicationIcon.h"

#include "uikit/UIView.h"

namespace {

Class g_SBApplicationIcon;

SBApplicationIcon* asSBApplicationIcon(id self) { return static_cast<SBApplicationIcon*>(self); }

id initWithApplication(id self, SEL, id application)
{
    asSBApplicationIcon(self)->application = static_cast<SBApplication*>(uikit::acceptOnly(application, springboard::SBApplicationClass(), "-[SBApplicationIcon initWithApplication:]"));
    return self;
}

id application(id self, SEL) { return asSBApplicationIcon(self)->application; }

id getIconImage(id self, SEL, int)
{
    auto* icon = asSBApplicationIcon(self);
    return icon->application ? static_cast<id>(icon->application->iconImage) : nullptr;
}

}

namespace springboard {

Class SBApplicationIconClass() { return g_SBApplicationIcon; }

void registerSBApplicationIcon()
{
    g_SBApplicationIcon = runtime::defineClass("SBApplicationIcon", foundation::NSObjectClass(), runtime::makeInstance<SBApplicationIcon>);
    addMethod(g_SBApplicationIcon, "initWithApplication:"_sel, initWithApplication);
    addMethod(g_SBApplicationIcon, "application"_sel, application);
    addMethod(g_SBApplicationIcon, "getIconImage:"_sel, getIconImage);
}

}
