// The home button; closing the open panel instead comes with the panel.
#include "core/PreviousImplementations.h"
#include "core/Replacements.h"

void replacement_SpringBoard_handleMenuButtonEvent(id self, SEL selector)
{
    callPrevious(previous_SpringBoard_handleMenuButtonEvent, self, selector);
}
