#pragma once
// The application's side of its scene: whether the shell keeps it in the
// foreground (it draws) or the background (it draws nothing), the shell's
// activations, the interface orientation the shell gives it, the touches on
// its hosted scene, and the shared memory its frames go out through. Without
// a bus the scene is simply in the foreground.
//
// An address the shell opened with this application goes to the open-URL
// handler, which says whether the application could show it.
//
// Touches from the shell go to this process's touch input (TouchInput.h) at
// the point the shell gives, in this application's points. A malformed event,
// or one older than the last, is dropped with a log line.

#include "scene/SceneTouch.h"

#include <cairo.h>

#include <functional>
#include <memory>
#include <string>

namespace quartz {
class SharedFrameBuffer;
}

namespace sdbus {
class Message;
}

namespace uikit {

class ApplicationScene {
public:
    static ApplicationScene& shared();
    // Back to a foreground scene without a bus; for tests.
    static void reset();

    // Listens for the shell's scene commands and makes the frames' shared
    // memory (`width` × `height` pixels); false with `error` set.
    bool connect(const std::string& bundleIdentifier, int width, int height, bool foreground, std::string* error);
    // Tells the shell the application is ready, handing it the frames.
    void reportReady();

    bool isForeground() const { return m_foreground; }
    // Sends the frame to the shell's side; false when it could not.
    bool publishFrame(cairo_surface_t* frame);
    // Runs after each scene change, once the activation (if any) is done, and
    // after each change of orientation.
    void setChangeHandler(std::function<void()> handler) { m_changeHandler = std::move(handler); }
    // Runs after each touch event from the shell has reached the views.
    void setTouchHandler(std::function<void()> handler) { m_touchHandler = std::move(handler); }
    // Runs at each activation, once the application object has handled it,
    // before the change handler.
    void setActivationHandler(std::function<void()> handler) { m_activationHandler = std::move(handler); }
    // Runs with each address the shell hands the application.
    void setOpenURLHandler(std::function<void(const std::string& address)> handler) { m_openURLHandler = std::move(handler); }

    // The shell turned the interface: the screen's bounds follow, the
    // application is told its status bar's new orientation, then the change
    // handler runs. A value out of range is logged and changes nothing.
    void orientationArrived(long orientation, double duration);

private:
    ApplicationScene() = default;
    void commandArrived(const std::string& command);
    void touchArrived(sdbus::Message& message);
    void touchHappened(const scene::SceneTouch& event);
    bool listenForOrientation();
    bool listenForAddresses();
    void activate();

    std::string m_bundleIdentifier;
    std::unique_ptr<quartz::SharedFrameBuffer> m_frames;
    std::function<void()> m_changeHandler;
    std::function<void()> m_touchHandler;
    std::function<void()> m_activationHandler;
    std::function<void(const std::string&)> m_openURLHandler;
    // The shell's timestamp of the last touch event taken.
    double m_lastTouchTimestamp = 0;
    bool m_foreground = true;
};

}
