#pragma once
// One event of a touch on a hosted scene as it travels from the shell to the
// application's process (SceneProtocol.h's "SceneTouch"): the finger, the
// phase, the point in the application's own points and the shell's timestamp.

#include <cstdint>
#include <string>

namespace sdbus {
class Message;
}

namespace scene {

// The phases the shell sends, numbered as UITouchPhase (uikit/UITouch.h) is.
enum SceneTouchPhase : int32_t {
    SceneTouchPhaseBegan = 0,
    SceneTouchPhaseMoved = 1,
    SceneTouchPhaseEnded = 3,
    SceneTouchPhaseCancelled = 4,
};

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
