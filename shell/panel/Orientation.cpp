// Orientation changes; until they are built the shell's handling runs unchanged.
#include "core/PreviousImplementations.h"
#include "core/Replacements.h"

void replacement_UIApplication_handleDeviceOrientationChangedEvent(id self, SEL selector, id event)
{
    callPrevious(previous_UIApplication_handleDeviceOrientationChangedEvent, self, selector, event);
}

void replacement_SpringBoard_noteInterfaceOrientationChanged(id self, SEL selector, long orientation, double duration)
{
    callPrevious(previous_SpringBoard_noteInterfaceOrientationChanged, self, selector, orientation, duration);
}
