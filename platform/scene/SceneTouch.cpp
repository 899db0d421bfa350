#include "SceneTouch.h"

#include <sdbus-c++/sdbus-c++.h>

#include <cmath>

namespace scene {

void writeSceneTouch(sdbus::Message& message, const SceneTouch& touch)
{
    message << touch.finger << touch.phase << touch.x << touch.y << touch.timestamp;
}

bool readSceneTouch(sdbus::Message& message, SceneTouch* touch, std::string* error)
{
    SceneTouch read;
    try {
        message >> read.finger >> read.phase >> read.x >> read.y >> read.timestamp;
    } catch (const sdbus::Error& exception) {
        *error = std::string("its arguments are not (finger, phase, x, y, timestamp): ") + exception.what();
        return false;
    }
    if (!message) {
        *error = "it has fewer arguments than (finger, phase, x, y, timestamp)";
        return false;
    }
    switch (read.phase) {
    case SceneTouchPhaseBegan:
    case SceneTouchPhaseMoved:
    case SceneTouchPhaseEnded:
    case SceneTouchPhaseCancelled:
        break;
    default:
        *error = "its phase " + std::to_string(read.phase) + " is not one the shell sends";
        return false;
    }
    if (!std::isfinite(read.x) || !std::isfinite(read.y) || !std::isfinite(read.timestamp)) {
        *error = "its point or timestamp is not a finite number";
        return false;
    }
    *touch = read;
    return true;
}

}
