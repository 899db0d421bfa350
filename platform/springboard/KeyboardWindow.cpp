#include "KeyboardWindow.h"
#include "ShellViews.h"

#include "foundation/NSBlock.h"
#include "uikit/KeyboardNotifications.h"
#include "uikit/UIViewAnimation.h"

namespace springboard {

namespace {

void animateKeyboard(std::function<void()> changes, std::function<void()> completion)
{
    id block = makeBlock(std::move(changes));
    id done = makeCompletionBlock([completion = std::move(completion)](bool) { completion(); });
    send(uikit::UIViewClass(), "animateWithDuration:animations:completion:"_sel, uikit::kKeyboardSlideSeconds, block, done);
}

}

KeyboardWindow::KeyboardWindow(std::function<void(const std::string& text)> keyTyped)
    : m_window(makeShellWindow(kKeyboardWindowLevel))
    , m_keys(adopt(static_cast<UIKeyboard*>(send<id>(send<id>(uikit::UIKeyboardClass(), "alloc"_sel), "initWithFrame:"_sel, CGRectZero))))
{
    send(static_cast<id>(m_window.get()), "addSubview:"_sel, static_cast<id>(m_keys.get()));
    m_keys->keyTyped = std::move(keyTyped);
}

KeyboardWindow::~KeyboardWindow()
{
    hideAtOnce();
    m_keys->keyTyped = nullptr;
}

void KeyboardWindow::slideIn(CGRect begin, CGRect end)
{
    ++*m_slides;
    id window = m_window.get();
    send(window, "setFrame:"_sel, begin);
    CGRect const keys { { 0, 0 }, end.size };
    if (m_keys->bounds() != keys || m_keys->keys.empty()) {
        send(static_cast<id>(m_keys.get()), "setFrame:"_sel, keys);
        uikit::layOutKeyboard(m_keys.get());
    }
    send(window, "setHidden:"_sel, false);
    if (begin == end)
        return;
    Strong<UIWindow> held = m_window;
    animateKeyboard([held, end] { send(static_cast<id>(held.get()), "setFrame:"_sel, end); }, [] {});
}

void KeyboardWindow::slideOut(CGRect end)
{
    uint64_t const slide = ++*m_slides;
    Strong<UIWindow> held = m_window;
    auto const moveOut = [held, end] { send(static_cast<id>(held.get()), "setFrame:"_sel, end); };
    animateKeyboard(moveOut, [slides = m_slides, held, slide] {
        // Unless the window has been shown or hidden again since.
        if (slide == *slides)
            send(static_cast<id>(held.get()), "setHidden:"_sel, true);
    });
}

void KeyboardWindow::hideAtOnce()
{
    ++*m_slides;
    send(static_cast<id>(m_window.get()), "setHidden:"_sel, true);
}

}
