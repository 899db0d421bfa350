#include "SBLockScreenViewController.h"
#include "DeviceLock.h"

#include "uikit/UIGestureRecognizer.h"

namespace {

Class g_SBLockScreenViewController;

SBLockScreenViewController* asSBLockScreenViewController(id self) { return static_cast<SBLockScreenViewController*>(self); }

void prepareForUIUnlock(id self, SEL) { ++asSBLockScreenViewController(self)->preparedUnlockCount; }

void finishUIUnlockFromSource(id self, SEL, int source)
{
    ++asSBLockScreenViewController(self)->finishedUnlockCount;
    asSBLockScreenViewController(self)->lastUnlockSource = source;
}

void handleUnlockSwipe(id, SEL, id recognizer)
{
    if (static_cast<UIGestureRecognizer*>(recognizer)->state == UIGestureRecognizerStateEnded)
        springboard::unlockDevice(springboard::UnlockSourceLockScreenSwipe);
}

}

namespace springboard {

Class SBLockScreenViewControllerClass() { return g_SBLockScreenViewController; }

void registerSBLockScreenViewController()
{
    g_SBLockScreenViewController = runtime::defineClass("SBLockScreenViewController", uikit::UIViewControllerClass(), runtime::makeInstance<SBLockScreenViewController>);
    addMethod(g_SBLockScreenViewController, "prepareForUIUnlock"_sel, prepareForUIUnlock);
    addMethod(g_SBLockScreenViewController, "finishUIUnlockFromSource:"_sel, finishUIUnlockFromSource);
    addMethod(g_SBLockScreenViewController, "_handleUnlockSwipe:"_sel, handleUnlockSwipe);
}

}
