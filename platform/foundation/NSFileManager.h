#pragma once
// The file manager: as much of it as the system asks for. Absolute device
// paths resolve under the device root (DevicePath.h).

#include "NSObject.h"

#include <string_view>

struct NSFileManager : NSObject {
    // The shared manager; it keeps no state of its own.
    static NSFileManager* defaultManager();

    // True when something (a file or a folder, symbolic links followed) is there.
    static bool fileExists(std::string_view path);
};

namespace foundation {
Class NSFileManagerClass();
}
