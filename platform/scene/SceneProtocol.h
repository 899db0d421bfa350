#pragma once
// How the shell and application processes talk about scenes on the bus (the
// notifications' interface and object path, members of their own). Both sides
// include it: the shell's hosting (frontboard/, springboard/) and the
// application's scene and keyboard (uikit/).

namespace scene::wire {

// Ready (s bundleIdentifier, i pid, h frames, i width, i height), broadcast by
// an application once it has loaded its libraries, registered its observers
// and drawn its first frame: its frames' shared memory and their size in
// pixels.
inline constexpr const char* kReadyMember = "SceneReady";
// SceneFrame (s bundleIdentifier, t frameCount), broadcast by an application
// each time it has published a frame; counted in the clock's lock-step, so
// the shell has seen every frame due at an instant before time moves on.
inline constexpr const char* kFrameMember = "SceneFrame";
// Scene (s command), from the shell to one application: "foreground",
// "background" or "activate".
inline constexpr const char* kSceneMember = "Scene";
// SceneTouch (x finger, i phase, d x, d y, d timestamp), from the shell to
// the one application whose hosted scene a touch landed on: one event of the
// touch, in the application's own points; counted, so the application has
// handled it before time moves on. SceneTouch.h reads and writes it.
inline constexpr const char* kTouchMember = "SceneTouch";

inline constexpr const char* kForegroundCommand = "foreground";
inline constexpr const char* kBackgroundCommand = "background";
inline constexpr const char* kActivateCommand = "activate";

// SceneOrientation (i orientation, d duration), from the shell to the
// application in front when the interface turns (UIKit's numbering, 1 to 4;
// seconds the turn takes): its screen follows, its status bar is told, and
// its next frames are drawn in that orientation.
inline constexpr const char* kOrientationMember = "SceneOrientation";

// SceneOpenURL (s address), from the shell to the application it opened an
// address with, after that application's activation: the application shows
// what the address names. Counted, so it has done so before time moves on.
inline constexpr const char* kOpenURLMember = "SceneOpenURL";

}

namespace scene::wire {

// The on-screen keyboard, which the shell draws for the application editing.
// KeyboardFocus (s bundleIdentifier, b editing), broadcast by an application
// when one of its text fields takes the focus (true) or its editing ends
// (false); counted.
inline constexpr const char* kKeyboardFocusMember = "KeyboardFocus";
// KeyboardInput (s text), from the shell to the application editing: what was
// typed, "\n" being Return and "\b" the delete key; counted.
inline constexpr const char* kKeyboardInputMember = "KeyboardInput";
// KeyboardEndEditing (), from the shell to the application editing: the
// keyboard went away (hidden, the application left the front, the phone
// locked), so its field gives up the focus; counted.
inline constexpr const char* kKeyboardEndEditingMember = "KeyboardEndEditing";
// KeyboardNotification (s name, d×4 begin, d×4 end), from the shell to the
// application editing: post this keyboard notification (UIKeyboardWillShow-
// or UIKeyboardWillHideNotification) with these frames (x, y, width, height
// in screen points) on the default center; counted.
inline constexpr const char* kKeyboardNotificationMember = "KeyboardNotification";

}
