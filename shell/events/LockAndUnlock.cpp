// Lock state, unlock and the first-run alert.
#include "core/PreviousImplementations.h"
#include "core/Replacements.h"

void displayStatusChanged(CFNotificationCenterRef, void*, CFStringRef, const void*, CFDictionaryRef)
{
}

void replacement_SBLockScreenViewController_prepareForUIUnlock(id self, SEL selector)
{
    callPrevious(previous_SBLockScreenViewController_prepareForUIUnlock, self, selector);
}

void replacement_SBLockScreenViewController_finishUIUnlockFromSource(id self, SEL selector, int source)
{
    callPrevious(previous_SBLockScreenViewController_finishUIUnlockFromSource, self, selector, source);
}

void replacement_SBLockScreenManager_finishUIUnlockFromSource(id self, SEL selector, int source, id options)
{
    callPrevious(previous_SBLockScreenManager_finishUIUnlockFromSource, self, selector, source, options);
}

void replacement_SBUserNotificationAlert_clickedButtonAtIndex(id self, SEL selector, id alertView, long buttonIndex)
{
    callPrevious(previous_SBUserNotificationAlert_clickedButtonAtIndex, self, selector, alertView, buttonIndex);
}
