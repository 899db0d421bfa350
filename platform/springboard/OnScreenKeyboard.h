#pragma once
// The on-screen keyboard, which the shell draws for whichever process is
// editing: an application whose text field took the focus, or the shell
// itself when the keyboard is asked for on the home screen. It is 216 points
// tall upright and 162 turned, across the screen's width.
//
// Each change is announced as UIKit announces it: UIKeyboardWillShowNotification
// or UIKeyboardWillHideNotification on the shell's default center, and the
// same in the editing application's own process, with the keyboard's frames
// (UIKeyboardFrameBeginUserInfoKey, UIKeyboardFrameEndUserInfoKey) in screen
// coordinates. Coming up, it begins just below the screen and ends on it;
// while it is up, another field taking the focus (or a request to show it)
// announces a show again that begins and ends where it is; going away, it
// begins where it is and ends just below the screen. A turn of the interface
// while it is up announces a hide, then, once the turn has been handled, a
// show at the turned screen's height.
//
// It goes away when editing ends (Return, the field giving up the focus, a
// request to hide it), when the editing application's scene leaves the screen
// (it leaves the front, or the panel hosting it closes) or its process ends,
// and when the phone locks; the editing application's field then gives up
// the focus.

#include "coregraphics/CGGeometry.h"

#include <string>

namespace springboard {

// Listens for the applications' text fields on the bus and for their scenes
// and processes; the shell starts it once it is on the bus (and again after
// a reset). False when it cannot listen.
bool startKeyboard();

bool isKeyboardShown();

// Shows the keyboard as if a field had taken the focus: in the application in
// front (in the shell's own process on the home screen) when it is down, for
// whoever edits when it is up. False, with the reason, when the phone is
// locked.
bool showKeyboard(std::string* error);
// Hides it as if editing had ended; false when it is not up.
bool hideKeyboard();
// Types `text` as the keys do ("\n" Return, "\b" delete) into the field
// editing; Return ends editing. False, with the reason, when the keyboard is
// not up or the editing application has gone.
bool typeOnKeyboard(const std::string& text, std::string* error);

// The interface has just turned: the keyboard, when up, follows.
void keyboardFollowsTurn();

void resetKeyboard();

}
