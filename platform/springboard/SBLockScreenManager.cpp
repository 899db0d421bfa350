#include "SBLockScreenManager.h"
#include "DeviceLock.h"
#include "SharedInstances.h"

namespace {

Class g_SBLockScreenManager;

SBLockScreenManager* asSBLockScreenManager(id self) { return static_cast<SBLockScreenManager*>(self); }

void finishUIUnlockFromSourceWithOptions(id self, SEL, int source, id)
{
    ++asSBLockScreenManager(self)->finishedUnlockCount;
    asSBLockScreenManager(self)->lastUnlockSource = source;
}

bool isUILocked(id, SEL) { return springboard::isDeviceLocked(); }
id lockScreenViewControllerMethod(id, SEL) { return springboard::lockScreenViewController(); }

}

namespace springboard {

Class SBLockScreenManagerClass() { return g_SBLockScreenManager; }

void registerSBLockScreenManager()
{
    g_SBLockScreenManager = runtime::defineClass("SBLockScreenManager", foundation::NSObjectClass(), runtime::makeInstance<SBLockScreenManager>);
    addClassMethod(g_SBLockScreenManager, "sharedInstance"_sel, sharedInstanceMethod);
    addMethod(g_SBLockScreenManager, "_finishUIUnlockFromSource:withOptions:"_sel, finishUIUnlockFromSourceWithOptions);
    addMethod(g_SBLockScreenManager, "isUILocked"_sel, isUILocked);
    addMethod(g_SBLockScreenManager, "lockScreenViewController"_sel, lockScreenViewControllerMethod);
}

}
