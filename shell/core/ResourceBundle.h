#pragma once
// The library's resource bundle: the arrow images and the small icon.

inline constexpr const char* kResourceBundlePath = "/Library/MobileSubstrate/DynamicLibraries/DrawletBundle.bundle";
