#pragma once
// The registered content drawers, looked up by a view's class.

#include "Compositor.h"

namespace compositor {

// The drawer for the view's class or its closest registered superclass, or
// null.
const ContentDrawer* contentDrawerFor(id view);
// The version of the drawer contentDrawerFor finds, or null when it has none
// (or there is no drawer).
const ContentVersion* contentVersionFor(id view);
// Likewise its change, or null.
const ContentChange* contentChangeFor(id view);
void resetContentDrawers();

}
