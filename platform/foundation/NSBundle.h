#pragma once
// Bundles: a folder of resources. A bundle keeps the path it was made with
// and hands out paths under it, as the phone shows them; only looking at the
// files resolves them under the device root (DevicePath.h), so a log line
// reads the same on every machine and the platform's file APIs open them.

#include "NSObject.h"

#include <string>

struct NSBundle : NSObject {
    std::string path;
};

namespace foundation {
Class NSBundleClass();
}
