#pragma once
// Bundles: a folder of resources. Absolute device paths resolve under the
// device root (DevicePath.h); the paths a bundle hands out are the resolved
// host paths, so any file API can open them.

#include "NSObject.h"

#include <string>

struct NSBundle : NSObject {
    std::string path;
};

namespace foundation {
Class NSBundleClass();
}
