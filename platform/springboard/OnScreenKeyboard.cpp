#include "OnScreenKeyboard.h"

#include "DeviceLock.h"
#include "KeyboardWindow.h"
#include "SBApplication.h"
#include "SpringBoard.h"

#include "dispatch/RunLoop.h"
#include "foundation/NSValue.h"
#include "foundation/SystemLog.h"
#include "frontboard/ApplicationProcesses.h"
#include "notifications/BusSession.h"
#include "notifications/NSNotificationCenter.h"
#include "scene/KeyboardMessage.h"
#include "scene/SceneProtocol.h"
#include "uikit/KeyboardNotifications.h"
#include "uikit/UIScreen.h"

#include <sdbus-c++/sdbus-c++.h>

#include <memory>

namespace springboard {

namespace {

// Who edits: an application's process, or the shell itself (no identifier).
struct Editor {
    std::string bundleIdentifier;
    pid_t pid = 0;

    bool isApplication() const { return !bundleIdentifier.empty(); }
    bool operator==(const Editor&) const = default;
    std::string name() const { return isApplication() ? bundleIdentifier : "SpringBoard"; }
};

struct KeyboardState {
    bool shown = false;
    Editor editor;
    CGRect frame;
    // Between a turn's hide and its show: the hide has been announced.
    bool turning = false;
    // Each turn counts, so a show due after one finds out whether it is stale.
    uint64_t turns = 0;
    std::unique_ptr<KeyboardWindow> window;
    bool started = false;
};

KeyboardState& keyboardState()
{
    static auto* shared = new KeyboardState;
    return *shared;
}

void keyTyped(const std::string& text);

KeyboardWindow& keyboardWindow()
{
    auto& shared = keyboardState();
    if (!shared.window)
        shared.window = std::make_unique<KeyboardWindow>(keyTyped);
    return *shared.window;
}

CGRect frameOnScreen()
{
    CGRect const screen = uikit::mainScreenBounds();
    CGFloat const height = uikit::isLandscapeOrientation(uikit::mainScreenOrientation()) ? uikit::kKeyboardLandscapeHeight : uikit::kKeyboardPortraitHeight;
    return CGRectMake(0, screen.size.height - height, screen.size.width, height);
}

// Just below the screen the keyboard is on.
CGRect frameBelow(CGRect onScreen)
{
    return CGRectMake(onScreen.origin.x, CGRectGetMaxY(onScreen), onScreen.size.width, onScreen.size.height);
}

void tellApplication(const Editor& editor, const char* member, const std::function<void(sdbus::Message&)>& fill)
{
    if (editor.isApplication())
        frontboard::ApplicationProcesses::shared().sendToApplication(editor.bundleIdentifier, editor.pid, member, fill);
}

void endEditingIn(const Editor& editor)
{
    tellApplication(editor, scene::wire::kKeyboardEndEditingMember, [](sdbus::Message&) {});
}

// In the shell's process and in the editing application's.
void announce(NSString* name, const Editor& editor, CGRect begin, CGRect end)
{
    systemlog::write(kCFLogLevelNotice, "springboard: " + name->value + " for " + editor.name() + " from " + foundation::describeRect(begin) + " to " + foundation::describeRect(end));
    uikit::postKeyboardNotification(name, begin, end);
    tellApplication(editor, scene::wire::kKeyboardNotificationMember,
        [&](sdbus::Message& message) { scene::writeKeyboardMessage(message, { name->value, begin, end }); });
}

void takeFocus(const Editor& editor)
{
    auto& shared = keyboardState();
    if (!shared.shown) {
        shared.shown = true;
        shared.editor = editor;
        shared.frame = frameOnScreen();
        CGRect const begin = frameBelow(shared.frame);
        announce(UIKeyboardWillShowNotification, editor, begin, shared.frame);
        keyboardWindow().slideIn(begin, shared.frame);
        return;
    }
    if (!(shared.editor == editor)) {
        // The keyboard moves to another process: the one that had it stops
        // editing, and hears the keyboard go as far as it is concerned.
        Editor const previous = shared.editor;
        shared.editor = editor;
        endEditingIn(previous);
        tellApplication(previous, scene::wire::kKeyboardNotificationMember, [&](sdbus::Message& message) {
            scene::writeKeyboardMessage(message, { "UIKeyboardWillHideNotification", shared.frame, shared.frame });
        });
    }
    if (shared.turning)
        return;
    announce(UIKeyboardWillShowNotification, editor, shared.frame, shared.frame);
}

// `editorEnded`: the editor ended editing itself, so it is not told to.
bool hide(bool editorEnded)
{
    auto& shared = keyboardState();
    if (!shared.shown)
        return false;
    Editor const editor = shared.editor;
    bool const announced = shared.turning;
    shared.shown = false;
    shared.turning = false;
    shared.editor = {};
    if (!editorEnded)
        endEditingIn(editor);
    if (announced)
        return true;
    CGRect const end = frameBelow(shared.frame);
    announce(UIKeyboardWillHideNotification, editor, shared.frame, end);
    keyboardWindow().slideOut(end);
    return true;
}

void keyTyped(const std::string& text)
{
    std::string error;
    if (!typeOnKeyboard(text, &error))
        systemlog::write(kCFLogLevelNotice, "springboard: a key of the keyboard typed nothing: " + error);
}

Editor applicationInFront()
{
    auto* shell = static_cast<SpringBoard*>(uikit::sharedApplication());
    if (!shell || !foundation::isKindOf(shell, SpringBoardClass()))
        return {};
    auto* front = static_cast<SBApplication*>(shell->frontMostApplication.get());
    if (!front || !front->bundleIdentifier)
        return {};
    std::string const& bundleIdentifier = front->bundleIdentifier->value;
    pid_t const pid = frontboard::ApplicationProcesses::shared().processIdentifier(bundleIdentifier);
    return pid ? Editor { bundleIdentifier, pid } : Editor {};
}

void focusArrived(sdbus::Message& message)
{
    std::string bundleIdentifier;
    bool editing = false;
    message >> bundleIdentifier >> editing;
    auto& processes = frontboard::ApplicationProcesses::shared();
    pid_t const pid = message ? processes.processSpeakingFor(bundleIdentifier, message.getSender()) : 0;
    if (!pid) {
        CFLog(kCFLogLevelError, "springboard: ignored a keyboard focus report from %s, which speaks for no application the shell started",
            message.getSender().c_str());
        return;
    }
    Editor const editor { bundleIdentifier, pid };
    if (!editing) {
        if (keyboardState().shown && keyboardState().editor == editor)
            hide(true);
        return;
    }
    // Only what the user sees may edit.
    char const* refusal = isDeviceLocked()                                              ? "the phone is locked"
        : processes.state(bundleIdentifier) != frontboard::ApplicationState::Foreground ? "it is not on the screen"
                                                                                        : nullptr;
    if (refusal) {
        CFLog(kCFLogLevelNotice, "springboard: %s's text field cannot edit: %s", bundleIdentifier.c_str(), refusal);
        endEditingIn(editor);
        return;
    }
    takeFocus(editor);
}

void applicationChanged(const std::string& bundleIdentifier, pid_t pid, frontboard::ApplicationState now)
{
    auto& shared = keyboardState();
    if (!shared.shown || !(shared.editor == Editor { bundleIdentifier, pid }) || now == frontboard::ApplicationState::Foreground)
        return;
    hide(now == frontboard::ApplicationState::NotRunning);
}

}

bool startKeyboard()
{
    auto& shared = keyboardState();
    if (shared.started)
        return true;
    auto* connection = notifications::BusSession::connection();
    if (!connection
        || !connection->handleSignal(scene::wire::kKeyboardFocusMember, notifications::BusConnection::Addressing::Broadcast, focusArrived, true))
        return false;
    frontboard::ApplicationProcesses::shared().addStateObserver(applicationChanged);
    shared.started = true;
    return true;
}

bool isKeyboardShown()
{
    return keyboardState().shown;
}

bool showKeyboard(std::string* error)
{
    if (isDeviceLocked()) {
        *error = "the phone is locked";
        return false;
    }
    takeFocus(keyboardState().shown ? keyboardState().editor : applicationInFront());
    return true;
}

bool hideKeyboard()
{
    return hide(false);
}

bool typeOnKeyboard(const std::string& text, std::string* error)
{
    auto& shared = keyboardState();
    if (!shared.shown) {
        *error = "the keyboard is not up";
        return false;
    }
    Editor const editor = shared.editor;
    if (editor.isApplication()) {
        bool const sent = frontboard::ApplicationProcesses::shared().sendToApplication(editor.bundleIdentifier, editor.pid,
            scene::wire::kKeyboardInputMember, [&](sdbus::Message& message) { message << text; });
        if (!sent) {
            *error = editor.bundleIdentifier + " is no longer running";
            return false;
        }
        return true;
    }
    // Nothing in the shell takes text; Return still ends editing.
    systemlog::write(kCFLogLevelNotice, "springboard: no text field edits in SpringBoard; dropped what was typed (" + std::to_string(text.size()) + " bytes)");
    if (text.find('\n') != std::string::npos)
        hide(true);
    return true;
}

void keyboardFollowsTurn()
{
    auto& shared = keyboardState();
    if (!shared.shown || shared.turning)
        return;
    // The frames of the screen as it was, which the keyboard leaves at once.
    shared.turning = true;
    announce(UIKeyboardWillHideNotification, shared.editor, shared.frame, frameBelow(shared.frame));
    keyboardWindow().hideAtOnce();
    // Comes back once the turn has been handled, by the shell and by whatever
    // replaces its handling, so observers find the screen laid out turned.
    uint64_t const turn = ++shared.turns;
    dispatch::RunLoop::main().post([turn] {
        auto& current = keyboardState();
        if (turn != current.turns || !current.shown || !current.turning)
            return;
        current.turning = false;
        current.frame = frameOnScreen();
        CGRect const begin = frameBelow(current.frame);
        announce(UIKeyboardWillShowNotification, current.editor, begin, current.frame);
        keyboardWindow().slideIn(begin, current.frame);
    });
}

void resetKeyboard()
{
    auto& shared = keyboardState();
    // A show still due after a turn finds itself stale.
    uint64_t const turns = shared.turns + 1;
    shared = {};
    shared.turns = turns;
}

}
