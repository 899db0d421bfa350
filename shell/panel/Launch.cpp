// The panel is built when the shell finishes launching; until then the shell's
// own launch runs unchanged.
#include "core/PreviousImplementations.h"
#include "core/Replacements.h"

void replacement_SpringBoard_applicationDidFinishLaunching(id self, SEL selector, id application)
{
    callPrevious(previous_SpringBoard_applicationDidFinishLaunching, self, selector, application);
}
