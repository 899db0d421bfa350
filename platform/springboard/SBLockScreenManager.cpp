#include "SBLockScreenManager.h"

namespace {

Class g_SBLockScreenManager;

SBLockScreenManager* self_(id self) { return static_cast<SBLockScreenManager*>(self); }

void finishUIUnlockFromSourceWithOptions(id self, SEL, int source, id)
{
    ++self_(self)->finishedUnlockCount;
    self_(self)->lastUnlockSource = source;
}

}

namespace springboard {

Class SBLockScreenManagerClass() { return g_SBLockScreenManager; }

void registerSBLockScreenManager()
{
    g_SBLockScreenManager = runtime::defineClass("SBLockScreenManager", foundation::NSObjectClass(), runtime::makeInstance<SBLockScreenManager>);
    addMethod(g_SBLockScreenManager, "_finishUIUnlockFromSource:withOptions:"_sel, finishUIUnlockFromSourceWithOptions);
}

}
