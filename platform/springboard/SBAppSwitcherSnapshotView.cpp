#include "SBAppSwitcherSnapshotView.h"

namespace {

Class g_SBAppSwitcherSnapshotView;

}

namespace springboard {

Class SBAppSwitcherSnapshotViewClass() { return g_SBAppSwitcherSnapshotView; }

void registerSBAppSwitcherSnapshotView()
{
    g_SBAppSwitcherSnapshotView = runtime::defineClass("SBAppSwitcherSnapshotView", uikit::UIViewClass(), runtime::makeInstance<SBAppSwitcherSnapshotView>);
}

}
