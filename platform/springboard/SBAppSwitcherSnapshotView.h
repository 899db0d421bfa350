#pragma once
// A card of the app switcher: it shows what its display item looks like, an
// application's latest frame or the home screen, scaled to the card. The
// simulator's compositor draws that content (the platform holds no
// pictures).

#include "SBDisplayItem.h"

#include "uikit/UIView.h"

struct SBAppSwitcherSnapshotView : UIView {
    Strong<SBDisplayItem> displayItem;
};

namespace springboard {
Class SBAppSwitcherSnapshotViewClass();
void registerSBAppSwitcherSnapshotView();
}
