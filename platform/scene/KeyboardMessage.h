#pragma once
// A keyboard notification as it travels from the shell to the application
// editing (SceneProtocol.h's "KeyboardNotification"): its name and the
// keyboard's frames at the start and the end of its animation, in screen
// points.

#include "coregraphics/CGGeometry.h"

#include <string>

namespace sdbus {
class Message;
}

namespace scene {

struct KeyboardMessage {
    std::string name;
    CGRect begin;
    CGRect end;
};

void writeKeyboardMessage(sdbus::Message& message, const KeyboardMessage& keyboard);
// False with `error` set when the message is not a whole notification: wrong
// types, a name other than UIKeyboardWillShowNotification and
// UIKeyboardWillHideNotification, or a frame that is not finite numbers.
bool readKeyboardMessage(sdbus::Message& message, KeyboardMessage* keyboard, std::string* error);

}
