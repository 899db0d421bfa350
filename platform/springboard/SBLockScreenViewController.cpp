#include "SBLockScreenViewController.h"

namespace {

Class g_SBLockScreenViewController;

SBLockScreenViewController* self_(id self) { return static_cast<SBLockScreenViewController*>(self); }

void prepareForUIUnlock(id self, SEL) { ++self_(self)->preparedUnlockCount; }

void finishUIUnlockFromSource(id self, SEL, int source)
{
    ++self_(self)->finishedUnlockCount;
    self_(self)->lastUnlockSource = source;
}

}

namespace springboard {

Class SBLockScreenViewControllerClass() { return g_SBLockScreenViewController; }

void registerSBLockScreenViewController()
{
    g_SBLockScreenViewController = runtime::defineClass("SBLockScreenViewController", uikit::UIViewControllerClass(), runtime::makeInstance<SBLockScreenViewController>);
    addMethod(g_SBLockScreenViewController, "prepareForUIUnlock"_sel, prepareForUIUnlock);
    addMethod(g_SBLockScreenViewController, "finishUIUnlockFromSource:"_sel, finishUIUnlockFromSource);
}

}
