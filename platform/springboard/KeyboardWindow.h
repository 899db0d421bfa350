#pragma once
// The on-screen keyboard's window: the keys (UIKeyboard.h) across the
// screen's width, above the windows at the status-bar level (Drawlet's among
// them) and below notification banners, the lock screen and alerts. It slides
// in from below the screen and out again in 0.25 s; its frame is the
// keyboard's, so the screen above it takes touches as before.

#include "uikit/UIKeyboard.h"
#include "uikit/UIWindow.h"

#include <functional>
#include <memory>
#include <string>

namespace springboard {

inline constexpr UIWindowLevel kKeyboardWindowLevel = 1100;

class KeyboardWindow {
public:
    // `keyTyped` gets the text of each key tapped.
    explicit KeyboardWindow(std::function<void(const std::string& text)> keyTyped);
    ~KeyboardWindow();

    KeyboardWindow(const KeyboardWindow&) = delete;
    KeyboardWindow& operator=(const KeyboardWindow&) = delete;

    // Shows the keys laid out for `end`'s size, moving from `begin` to `end`.
    void slideIn(CGRect begin, CGRect end);
    // Moves to `end`, then hides, unless it slid in again meanwhile.
    void slideOut(CGRect end);
    void hideAtOnce();

    UIWindow* window() const { return m_window.get(); }

private:
    Strong<UIWindow> m_window;
    Strong<UIKeyboard> m_keys;
    // Each slide counts, so a slide-out's end finds out whether it is stale
    // (shared with it: the end may come after this window has gone).
    std::shared_ptr<uint64_t> m_slides = std::make_shared<uint64_t>(0);
};

}
