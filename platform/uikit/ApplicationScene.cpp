#include "ApplicationScene.h"
#include "ApplicationKeyboard.h"
#include "TouchInput.h"
#include "UIApplication.h"
#include "UIScreen.h"

#include "dispatch/RunLoop.h"
#include "foundation/SystemLog.h"
#include "notifications/BusSession.h"
#include "quartz/SharedFrameBuffer.h"
#include "scene/SceneProtocol.h"
#include "scene/SceneTouch.h"

#include <sdbus-c++/sdbus-c++.h>

#include <cmath>
#include <unistd.h>

namespace uikit {

namespace {

ApplicationScene*& sceneInstance()
{
    static ApplicationScene* scene = nullptr;
    return scene;
}

}

ApplicationScene& ApplicationScene::shared()
{
    auto*& scene = sceneInstance();
    if (!scene)
        scene = new ApplicationScene;
    return *scene;
}

void ApplicationScene::reset()
{
    delete sceneInstance();
    sceneInstance() = nullptr;
}

bool ApplicationScene::connect(const std::string& bundleIdentifier, int width, int height, bool foreground, std::string* error)
{
    auto* connection = notifications::BusSession::connection();
    if (!connection) {
        *error = "not on a bus";
        return false;
    }
    m_frames = quartz::SharedFrameBuffer::create(width, height, error);
    if (!m_frames)
        return false;
    m_bundleIdentifier = bundleIdentifier;
    m_foreground = foreground;
    // clang-format off
    bool const listening = connection->handleSignal(scene::wire::kSceneMember, notifications::BusConnection::Addressing::ToThisConnection,
        [this](sdbus::Message& message) {
            std::string command;
            message >> command;
            // Handled on the run loop, as the notifications the bus brings
            // are, so the two keep the order they arrived in whatever the
            // bus's batching.
            if (message)
                dispatch::RunLoop::main().post([this, command] { commandArrived(command); });
        },
        true)
        && connection->handleSignal(scene::wire::kTouchMember, notifications::BusConnection::Addressing::ToThisConnection,
            [this](sdbus::Message& message) { touchArrived(message); }, true)
        && listenForOrientation() && listenForAddresses() && ApplicationKeyboard::shared().connect(bundleIdentifier);
    if (!listening)
        *error = "cannot listen for the shell's scene commands";
    return listening;
}

bool ApplicationScene::listenForOrientation()
{
    auto* connection = notifications::BusSession::connection();
    return connection
        && connection->handleSignal(scene::wire::kOrientationMember, notifications::BusConnection::Addressing::ToThisConnection,
            [this](sdbus::Message& message) {
                int32_t orientation = 0;
                double duration = 0;
                message >> orientation >> duration;
                if (message)
                    dispatch::RunLoop::main().post([this, orientation, duration] { orientationArrived(orientation, duration); });
            },
            true);
}

bool ApplicationScene::listenForAddresses()
{
    auto* connection = notifications::BusSession::connection();
    return connection
        && connection->handleSignal(scene::wire::kOpenURLMember, notifications::BusConnection::Addressing::ToThisConnection,
            [this](sdbus::Message& message) {
                std::string address;
                message >> address;
                if (!message) {
                    CFLog(kCFLogLevelError, "uikit: ignored an address without text from %s", message.getSender().c_str());
                    return;
                }
                dispatch::RunLoop::main().post([this, address] {
                    if (m_openURLHandler)
                        m_openURLHandler(address);
                });
            },
            true);
    // clang-format on
}

void ApplicationScene::orientationArrived(long orientation, double duration)
{
    if (!std::isfinite(duration) || duration < 0) {
        CFLog(kCFLogLevelError, "uikit: ignored a turn to orientation %ld lasting %g seconds", orientation, duration);
        return;
    }
    if (!setMainScreenOrientation(orientation)) {
        CFLog(kCFLogLevelError, "uikit: ignored the interface orientation %ld, which is not 1, 2, 3 or 4", orientation);
        return;
    }
    // What reaches the platform's own handler may differ from what was asked
    // (a library may replace it), so the line says what arrived there.
    UIApplication* application = sharedApplication();
    long const toldBefore = application ? application->statusBarOrientationChangeCount : 0;
    changeStatusBarOrientation(orientation, duration);
    if (application && application->statusBarOrientationChangeCount != toldBefore)
        CFLog(kCFLogLevelNotice, "uikit: the scene turned to orientation %ld; the status bar turns to orientation %ld in %.2f s", orientation,
            application->lastStatusBarOrientation, application->lastStatusBarOrientationDuration);
    else
        CFLog(kCFLogLevelNotice, "uikit: the scene turned to orientation %ld", orientation);
    if (m_changeHandler)
        m_changeHandler();
}

void ApplicationScene::reportReady()
{
    auto* connection = notifications::BusSession::connection();
    if (!connection || !m_frames)
        return;
    connection->sendSignal(
        scene::wire::kReadyMember, "", [&](sdbus::Message& message) {
            message << m_bundleIdentifier << static_cast<int32_t>(getpid()) << sdbus::UnixFd(m_frames->fileDescriptor())
                    << static_cast<int32_t>(m_frames->width()) << static_cast<int32_t>(m_frames->height());
        },
        true);
}

bool ApplicationScene::publishFrame(cairo_surface_t* frame)
{
    if (!m_frames || !m_frames->publish(frame))
        return false;
    if (auto* connection = notifications::BusSession::connection()) {
        uint64_t const count = m_frames->frameCount();
        connection->sendSignal(
            scene::wire::kFrameMember, "", [&](sdbus::Message& message) { message << m_bundleIdentifier << count; }, true);
    }
    return true;
}

void ApplicationScene::commandArrived(const std::string& command)
{
    namespace wire = scene::wire;
    if (command == wire::kForegroundCommand) {
        bool const wasBackground = !m_foreground;
        m_foreground = true;
        // Coming back from the background is an activation.
        if (wasBackground)
            activate();
    } else if (command == wire::kBackgroundCommand) {
        m_foreground = false;
    } else if (command == wire::kActivateCommand) {
        m_foreground = true;
        activate();
    } else {
        CFLog(kCFLogLevelError, "uikit: ignored the unknown scene command \"%s\"", command.c_str());
        return;
    }
    if (m_changeHandler)
        m_changeHandler();
}

void ApplicationScene::activate()
{
    activateApplication();
    if (m_activationHandler)
        m_activationHandler();
}

void ApplicationScene::touchArrived(sdbus::Message& message)
{
    scene::SceneTouch event;
    std::string error;
    if (!scene::readSceneTouch(message, &event, &error)) {
        CFLog(kCFLogLevelError, "uikit: ignored a malformed touch from %s: %s", message.getSender().c_str(), error.c_str());
        return;
    }
    if (event.timestamp < m_lastTouchTimestamp) {
        CFLog(kCFLogLevelError, "uikit: ignored a touch of finger %lld stamped %.3f, before the last one (%.3f)", static_cast<long long>(event.finger),
            event.timestamp, m_lastTouchTimestamp);
        return;
    }
    m_lastTouchTimestamp = event.timestamp;
    dispatch::RunLoop::main().post([this, event] { touchHappened(event); });
}

void ApplicationScene::touchHappened(const scene::SceneTouch& event)
{
    // In virtual time the shell's clock leads this one, so its instant is
    // ours; in real time the two clocks started apart, and the touch happens
    // here when it arrives.
    auto& loop = dispatch::RunLoop::main();
    double const timestamp = loop.clockMode() == dispatch::RunLoop::ClockMode::Virtual ? event.timestamp : loop.now();
    CGPoint const point { event.x, event.y };
    auto& input = TouchInput::shared();
    switch (event.phase) {
    case scene::SceneTouchPhaseBegan:
        input.touchBegan(point, timestamp, event.finger);
        break;
    case scene::SceneTouchPhaseMoved:
        input.touchMoved(point, timestamp, event.finger);
        break;
    case scene::SceneTouchPhaseEnded:
        input.touchEnded(point, timestamp, event.finger);
        break;
    default:
        input.touchCancelled(timestamp, event.finger);
        break;
    }
    if (m_touchHandler)
        m_touchHandler();
}

}
