#include "KeyboardMessage.h"

#include <sdbus-c++/sdbus-c++.h>

#include <cmath>

namespace scene {

namespace {

void writeRect(sdbus::Message& message, CGRect rect)
{
    message << rect.origin.x << rect.origin.y << rect.size.width << rect.size.height;
}

void readRect(sdbus::Message& message, CGRect* rect)
{
    message >> rect->origin.x >> rect->origin.y >> rect->size.width >> rect->size.height;
}

bool isFinite(CGRect rect)
{
    return std::isfinite(rect.origin.x) && std::isfinite(rect.origin.y) && std::isfinite(rect.size.width) && std::isfinite(rect.size.height);
}

}

void writeKeyboardMessage(sdbus::Message& message, const KeyboardMessage& keyboard)
{
    message << keyboard.name;
    writeRect(message, keyboard.begin);
    writeRect(message, keyboard.end);
}

bool readKeyboardMessage(sdbus::Message& message, KeyboardMessage* keyboard, std::string* error)
{
    KeyboardMessage read;
    try {
        message >> read.name;
        readRect(message, &read.begin);
        readRect(message, &read.end);
    } catch (const sdbus::Error& exception) {
        *error = std::string("its arguments are not (name, begin frame, end frame): ") + exception.what();
        return false;
    }
    if (!message) {
        *error = "it has fewer arguments than (name, begin frame, end frame)";
        return false;
    }
    if (read.name != "UIKeyboardWillShowNotification" && read.name != "UIKeyboardWillHideNotification") {
        *error = "\"" + read.name + "\" is not a keyboard notification";
        return false;
    }
    if (!isFinite(read.begin) || !isFinite(read.end)) {
        *error = "a frame is not finite numbers";
        return false;
    }
    *keyboard = std::move(read);
    return true;
}

}
