#include "StatusBar.h"

namespace {

bool g_statusBarHidden = false;

}

namespace uikit {

bool statusBarHidden() { return g_statusBarHidden; }

void setStatusBarHidden(bool hidden) { g_statusBarHidden = hidden; }

void resetStatusBar() { g_statusBarHidden = false; }

}
