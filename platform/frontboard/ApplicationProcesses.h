#pragma once
// The shell's application processes: starts them, waits until each reports
// ready, moves their scenes between foreground and background, delivers
// activations, and keeps their frames at hand. In virtual time each ready
// process joins the clock's lock-step. A process that exits is noticed, logged
// and forgotten; it never takes the shell down.

#include "ApplicationProcess.h"
#include "scene/SceneTouch.h"

#include <cairo.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace sdbus {
class Message;
}

namespace frontboard {

// How to start an application: `program BUNDLE_ID arguments... [--background]`.
struct ApplicationLauncher {
    std::string program;
    std::vector<std::string> arguments;
    // Applications started by a program of their own instead (the same
    // arguments), such as one that misbehaves on purpose.
    std::map<std::string, std::string> programsByBundleIdentifier = {};

    const std::string& programFor(const std::string& bundleIdentifier) const
    {
        auto const own = programsByBundleIdentifier.find(bundleIdentifier);
        return own == programsByBundleIdentifier.end() ? program : own->second;
    }
};

enum class ApplicationState {
    NotRunning,
    Background,
    Foreground,
};

class ApplicationProcesses {
public:
    static ApplicationProcesses& shared();
    // Ends every process and forgets the launcher; for tests and at exit.
    static void reset();

    void setLauncher(ApplicationLauncher launcher) { m_launcher = std::move(launcher); }
    const ApplicationLauncher& launcher() const { return m_launcher; }

    // Starts the application with its scene in the foreground or background
    // and waits (in real time, bounded) until it reports ready; does nothing
    // when it is running already. False with `error` set when it cannot start,
    // and while it must wait after dying at launch again and again: after
    // three deaths in a row, each within 2 seconds of its launch, the next
    // launch waits 1 second, and each further quick death doubles the wait,
    // up to 30 seconds (one log line says why when the waits begin).
    bool launch(const std::string& bundleIdentifier, SceneState scene, std::string* error);
    // Moves a running application's scene; from background to foreground it
    // is an activation. Sent at the end of the current run-loop callback, after
    // what the shell sends in it. False when the application is not running.
    bool setSceneState(const std::string& bundleIdentifier, SceneState scene);
    // An activation (launching first when not running), delivered likewise.
    bool activate(const std::string& bundleIdentifier, std::string* error);

    // Sends one event of a touch on the application's hosted scene to its
    // process alone, at once. False when the process `pid` that took the
    // touch's first event is no longer running, or is not ready.
    bool sendTouch(const std::string& bundleIdentifier, pid_t pid, const scene::SceneTouch& touch);

    ApplicationState state(const std::string& bundleIdentifier);
    // Whether the shell holds a process for the application that has not
    // been found ended; it looks for no ends, so it never runs observers
    // (for drawing).
    bool hasProcess(const std::string& bundleIdentifier) { return find(bundleIdentifier) != nullptr; }
    pid_t processIdentifier(const std::string& bundleIdentifier);
    // A copy of the application's last drawn frame (the caller owns it), or
    // nullptr when it is not running or has drawn nothing.
    cairo_surface_t* copyLastFrame(const std::string& bundleIdentifier);
    // The latest frame in place (no copy; the caller owns the surface object,
    // valid until the next take), or nullptr as above.
    cairo_surface_t* takeLatestFrame(const std::string& bundleIdentifier);
    // The application's frames as shared with the shell, or nullptr as above;
    // valid until the process goes.
    quartz::SharedFrameBuffer* frames(const std::string& bundleIdentifier);
    // The application runs and the shell can read its frames.
    bool hasFrames(const std::string& bundleIdentifier);
    std::vector<std::string> runningBundleIdentifiers();

    uint64_t announcedFrameCount(const std::string& bundleIdentifier);

    // Kills the application's process at once (SIGKILL), as a crash would, and
    // notes its end before returning, so the shell hears of it at this instant
    // whatever the machine's load. False when it is not running.
    bool killProcess(const std::string& bundleIdentifier);

    // Asks every process to end and reaps it.
    void terminateAll();

    // Sends a counted signal of the scene interface to the process `pid` of
    // the application, at once; false when it is no longer running or not
    // ready.
    bool sendToApplication(const std::string& bundleIdentifier, pid_t pid, const std::string& member, const std::function<void(sdbus::Message&)>& fill);
    // The process of the application that sent a message from the bus name
    // `sender`, or 0 when that is not the running process the shell started.
    pid_t processSpeakingFor(const std::string& bundleIdentifier, const std::string& sender);
    // Runs when an application's scene is moved to the foreground or the
    // background, and when its process is found ended (NotRunning), after the
    // change. Observers are kept until reset.
    using StateObserver = std::function<void(const std::string& bundleIdentifier, pid_t pid, ApplicationState state)>;
    void addStateObserver(StateObserver observer) { m_stateObservers.push_back(std::move(observer)); }

    // Tells a running application the interface turned to `orientation`
    // (1 to 4) in `duration` seconds, delivered like the scene commands.
    // False when it is not running.
    bool setInterfaceOrientation(const std::string& bundleIdentifier, long orientation, double duration);
    // What the application was last told (1, upright, until then), or 0 when
    // it is not running.
    long interfaceOrientation(const std::string& bundleIdentifier);

    // Hands a running application an address to open, delivered like the
    // scene commands (after an activation sent before it). False when it is
    // not running.
    bool openURL(const std::string& bundleIdentifier, const std::string& address);

private:
    ApplicationProcesses() = default;
    bool listenForReady();
    void readyArrived(sdbus::Message& message);
    void frameArrived(sdbus::Message& message);
    bool waitUntilReady(const std::string& bundleIdentifier, std::string* error);
    void sendSceneCommandLater(const std::string& bundleIdentifier, const char* command);
    // Reaps processes that have exited, with a log line each.
    void reapExited();
    ApplicationProcess* find(const std::string& bundleIdentifier);
    void sendOrientationLater(const std::string& bundleIdentifier, long orientation, double duration);
    // Sends a counted signal to the application at the end of the current
    // run-loop callback, unless the process `fill` was meant for has gone.
    void sendLater(const std::string& bundleIdentifier, const char* member, std::function<void(sdbus::Message&)> fill);
    void tellStateObservers(const std::string& bundleIdentifier, pid_t pid, ApplicationState state);

    // An application that keeps dying soon after its launch.
    struct QuickDeaths {
        int count = 0;
        int64_t waitNanoseconds = 0;
        int64_t notBeforeNanoseconds = 0;
    };
    void noteEnd(const std::string& bundleIdentifier, int64_t launchedAtNanoseconds);
    bool mustWaitBeforeLaunching(const std::string& bundleIdentifier, std::string* error);

    ApplicationLauncher m_launcher;
    std::map<std::string, QuickDeaths> m_quickDeaths;
    std::map<std::string, ApplicationProcess> m_processes;
    std::vector<StateObserver> m_stateObservers;
    bool m_listening = false;
};

}
