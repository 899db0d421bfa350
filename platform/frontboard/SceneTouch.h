#pragma once
// One event of a touch on a hosted scene as it travels from the shell to the
// application's process (SceneProtocol.h's "SceneTouch"): the finger, the
// phase (UITouch.h's numbering: began 0, moved 1, ended 3, cancelled 4), the
// point in the application's own points and the shell's timestamp.

#include <cstdint>
#include <string>

namespace sdbus {
class Message;
}

namespace frontboard {

struct SceneTouch {
    int64_t finger = 0;
    int32_t phase = 0;
    double x = 0;
    double y = 0;
    double timestamp = 0;
};

void writeSceneTouch(sdbus::Message& message, const SceneTouch& touch);
// False with `error` set when the message is not a whole touch event: wrong
// types, a phase the shell never sends, or a point or time that is not a
// finite number.
bool readSceneTouch(sdbus::Message& message, SceneTouch* touch, std::string* error);

}
