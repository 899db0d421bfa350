// Application lifecycle and app-switcher hooks. Until the grabber's switcher
// behaviour is built, each replacement only keeps the shell's own behaviour.
#include "core/PreviousImplementations.h"
#include "core/Replacements.h"

void replacement_SBDeckSwitcherViewController_viewDidAppear(id self, SEL selector, bool animated)
{
    callPrevious(previous_SBDeckSwitcherViewController_viewDidAppear, self, selector, animated);
}

void replacement_SBDeckSwitcherViewController_animateDismissal(id self, SEL selector, id displayItem, id request, id completion)
{
    callPrevious(previous_SBDeckSwitcherViewController_animateDismissal, self, selector, displayItem, request, completion);
}

void replacement_SBApplication_willActivate(id self, SEL selector)
{
    callPrevious(previous_SBApplication_willActivate, self, selector);
}

void replacement_SBApplication_willDeactivateForEventsOnly(id self, SEL selector, bool eventsOnly)
{
    callPrevious(previous_SBApplication_willDeactivateForEventsOnly, self, selector, eventsOnly);
}

void added_SBApplication_setHidden(id, SEL, bool)
{
}
