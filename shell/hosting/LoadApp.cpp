// Loading the pinned application into the panel; built with the hosting provider.
#include "core/Replacements.h"

void added_SpringBoard_loadAppInApplicationView(id, SEL, id)
{
}
