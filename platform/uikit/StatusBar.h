#pragma once
// The application's status bar: shown or hidden as the view controller asked
// last time its appearance was updated. Drawing reads it.

namespace uikit {

bool statusBarHidden();
void setStatusBarHidden(bool hidden);
// Shown again; for tests.
void resetStatusBar();

}
