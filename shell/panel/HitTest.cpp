// Touch pass-through: while the panel is closed, the overlay window refuses
// touches on its empty area, so only the grabber takes touches at the edge.
#include "core/PanelState.h"
#include "core/PreviousImplementations.h"
#include "core/Replacements.h"

id replacement_UIView_hitTest(id self, SEL selector, CGPoint point, id event)
{
    id hit = callPrevious(previous_UIView_hitTest, self, selector, point, event);
    if (!isActive && hit == window.get())
        return nullptr;
    return hit;
}
