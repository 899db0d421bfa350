#pragma once
// What the client remembers for the process's life: the shell's last word on
// the status bar and orientation, and the application object. Zero at load.

#include "runtime/Runtime.h"

#include <cstdint>

namespace client {

// The last "statusBarHidden" received; true forces the status bar hidden.
extern bool statusBarHidden;
// The last "orientation" received; only logged.
extern int32_t orientation;
// The process's application object, not owned: it lives as long as the process.
extern id hostedApplication;

}
