#pragma once
// The two Activator listener names, and the events they get on the first load
// after installation.

inline constexpr const char* kToggleHiddenListenerName = "com.quillbrook.drawlet.toggleHidden";
inline constexpr const char* kPinCurrentAppListenerName = "com.quillbrook.drawlet.pinCurrentApp";

inline constexpr const char* kToggleHiddenDefaultEvent = "libactivator.statusbar.tap.double";
inline constexpr const char* kPinCurrentAppDefaultEvent = "libactivator.lock.hold.short";
