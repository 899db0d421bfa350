// The home button: while the panel is open a press closes it instead of going
// home.
#include "core/PanelState.h"
#include "core/PreviousImplementations.h"
#include "core/Replacements.h"

void replacement_SpringBoard_handleMenuButtonEvent(id self, SEL selector)
{
    if (isActive) {
        send(self, "tapGrabber:"_sel, self);
        return;
    }
    callPrevious(previous_SpringBoard_handleMenuButtonEvent, self, selector);
}
