#pragma once
// The simulated phone in a window (real time): the screen as the compositor
// draws it, shown again whenever the main run loop has done some work and
// something on the screen changed, at most 60 times a second (every frame
// while an animation runs); between frames the run loop sleeps until an
// input event, a timer or a bus message arrives. The mouse is
// the finger; keys press the home button, turn the phone, lock and unlock
// it, deliver a notification and quit; a help line says which. The window
// turns with the screen. While the on-screen keyboard is up the computer's
// keys type into the field editing, and the simulator's own keys need Ctrl.

#include "WindowGeometry.h"

#include "dispatch/RunLoop.h"

#include "coregraphics/CGGeometry.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_KeyboardEvent;

namespace sim {

struct WindowKeys {
    std::function<void()> home;
    // The second press of home within 0.3 s of the first, instead of a press.
    std::function<void()> homeDoublePress;
    // +1 turns the phone to the right (clockwise), −1 to the left.
    std::function<void(int step)> rotate;
    // The lock button was released after being held this long (seconds).
    std::function<void(double heldSeconds)> lockButton;
    std::function<void()> unlock;
    // Whether the on-screen keyboard is up, and what was typed while it is
    // ("\n" Return, "\b" delete).
    std::function<bool()> keyboardShown;
    std::function<void(const std::string& text)> type;
    // A notification for the pinned application.
    std::function<void()> notify;
};

class SimulatorWindow {
public:
    // A window for the main screen, or nullptr with `error` set (no display,
    // for instance).
    static std::unique_ptr<SimulatorWindow> open(WindowKeys keys, std::string* error);
    ~SimulatorWindow();

    SimulatorWindow(const SimulatorWindow&) = delete;
    SimulatorWindow& operator=(const SimulatorWindow&) = delete;

    // Starts drawing and reading input on the main run loop; the run loop
    // stops when the window is closed.
    void start();

private:
    class InputSource;

    SimulatorWindow() = default;
    // Run before the run loop waits: input, then a frame when one is due.
    void beforeWaiting();
    // Wakes the run loop at `nanoseconds` (once, however often it is asked).
    void wakeAt(int64_t nanoseconds);
    void handleEvents();
    // The simulator's own keys; false when the key is none of them.
    bool handleSimulatorKey(const SDL_KeyboardEvent& key);
    // A press of home, or the second of a double press.
    void pressHome(uint32_t timestamp);
    // A key while the on-screen keyboard is up: Return, Backspace, or the
    // simulator's own keys with Ctrl.
    void handleTypingKey(const SDL_KeyboardEvent& key);
    // Shows what changed since the last frame; false when nothing did.
    bool present();
    // The keys' help, for typing while the on-screen keyboard is up or not.
    void drawHelpLine(bool typing);
    // Sizes the window again when the screen's size in points changed (the
    // interface turned), still fitting the desktop.
    void followScreen();

    WindowKeys m_keys;
    WindowGeometry m_geometry {};
    SDL_Window* m_window = nullptr;
    SDL_Renderer* m_renderer = nullptr;
    SDL_Texture* m_phone = nullptr;
    SDL_Texture* m_help = nullptr;
    // What the help line says now.
    bool m_helpForTyping = false;
    int m_phonePixelWidth = 0;
    int m_phonePixelHeight = 0;
    bool m_fingerDown = false;
    // When the lock key went down (SDL's milliseconds), while it is down.
    std::optional<uint32_t> m_lockKeyDownAt;
    // When home was last pressed on its own (SDL's milliseconds), until a
    // second press makes it a double press.
    std::optional<uint32_t> m_lastHomePressAt;
    // What the geometry was fitted to: the screen in points, and the desktop
    // in pixels (0 when unknown).
    CGSize m_fittedScreen {};
    int m_desktopWidth = 0;
    int m_desktopHeight = 0;
    // The window's input wakes the run loop.
    std::unique_ptr<InputSource> m_input;
    // No frame is composed before this instant (the run loop's clock).
    int64_t m_nextFrameAt = 0;
    // The pending wake-up, if any.
    std::optional<dispatch::RunLoop::TimerId> m_wake;
    int64_t m_wakeAt = 0;
    // The window must be shown again whole (uncovered, resized, help line).
    bool m_presentWhole = true;
    // The last frame had an animation running.
    bool m_animating = false;
};

}
