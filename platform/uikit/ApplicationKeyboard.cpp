#include "ApplicationKeyboard.h"
#include "KeyboardNotifications.h"

#include "foundation/NSValue.h"
#include "foundation/SystemLog.h"
#include "notifications/BusSession.h"
#include "notifications/NSNotificationCenter.h"
#include "scene/KeyboardMessage.h"
#include "scene/SceneProtocol.h"

#include <sdbus-c++/sdbus-c++.h>

namespace uikit {

namespace {

ApplicationKeyboard*& keyboardInstance()
{
    static ApplicationKeyboard* keyboard = nullptr;
    return keyboard;
}

void tellDelegate(UITextField* field, SEL selector)
{
    id delegate = field->delegate;
    if (delegate && send<bool>(delegate, "respondsToSelector:"_sel, selector))
        send(delegate, selector, static_cast<id>(field));
}

}

ApplicationKeyboard& ApplicationKeyboard::shared()
{
    auto*& keyboard = keyboardInstance();
    if (!keyboard)
        keyboard = new ApplicationKeyboard;
    return *keyboard;
}

void ApplicationKeyboard::reset()
{
    delete keyboardInstance();
    keyboardInstance() = nullptr;
}

bool ApplicationKeyboard::connect(const std::string& bundleIdentifier)
{
    auto* connection = notifications::BusSession::connection();
    if (!connection)
        return false;
    m_bundleIdentifier = bundleIdentifier;
    using Addressing = notifications::BusConnection::Addressing;
    // clang-format off
    return connection->handleSignal(scene::wire::kKeyboardInputMember, Addressing::ToThisConnection,
               [this](sdbus::Message& message) {
                   std::string text;
                   message >> text;
                   if (message)
                       typed(text);
                   changed();
               },
               true)
        && connection->handleSignal(scene::wire::kKeyboardEndEditingMember, Addressing::ToThisConnection,
            [this](sdbus::Message&) {
                shellEndedEditing();
                changed();
            },
            true)
        && connection->handleSignal(scene::wire::kKeyboardNotificationMember, Addressing::ToThisConnection,
            [this](sdbus::Message& message) {
                notificationMessageArrived(message);
                changed();
            },
            true);
    // clang-format on
}

void ApplicationKeyboard::changed()
{
    if (m_changeHandler)
        m_changeHandler();
}

void ApplicationKeyboard::tellShell(bool editing)
{
    auto* connection = notifications::BusSession::connection();
    if (!connection || m_bundleIdentifier.empty())
        return;
    connection->sendSignal(
        scene::wire::kKeyboardFocusMember, "", [&](sdbus::Message& message) { message << m_bundleIdentifier << editing; }, true);
}

void ApplicationKeyboard::fieldBeganEditing(UITextField* field)
{
    if (m_field.get() == field)
        return;
    Strong<UITextField> previous = m_field;
    m_field = field;
    if (previous)
        tellDelegate(previous.get(), "textFieldDidEndEditing:"_sel);
    tellDelegate(field, "textFieldDidBeginEditing:"_sel);
    tellShell(true);
}

void ApplicationKeyboard::fieldEndedEditing(UITextField* field)
{
    if (m_field.get() != field)
        return;
    Strong<UITextField> ended = m_field;
    m_field = nullptr;
    tellDelegate(ended.get(), "textFieldDidEndEditing:"_sel);
    if (!m_endingForShell)
        tellShell(false);
}

void ApplicationKeyboard::typed(const std::string& text)
{
    size_t start = 0;
    while (start < text.size()) {
        if (!m_field) {
            CFLog(kCFLogLevelNotice, "uikit: no text field is editing; dropped what was typed (%zu bytes)", text.size() - start);
            return;
        }
        id field = m_field.get();
        size_t const special = text.find_first_of("\n\b", start);
        size_t const end = special == std::string::npos ? text.size() : special;
        if (end > start)
            send(field, "insertText:"_sel, static_cast<id>(NSString::make(text.substr(start, end - start))));
        if (special == std::string::npos)
            return;
        if (text[special] == '\b')
            send(field, "deleteBackward"_sel);
        else
            textFieldReturnPressed(m_field.get());
        start = special + 1;
    }
}

void ApplicationKeyboard::shellEndedEditing()
{
    if (!m_field)
        return;
    m_endingForShell = true;
    (void)send<bool>(static_cast<id>(m_field.get()), "resignFirstResponder"_sel);
    m_endingForShell = false;
}

void ApplicationKeyboard::notificationArrived(const std::string& name, CGRect begin, CGRect end)
{
    NSString* const notification = name == "UIKeyboardWillShowNotification" ? UIKeyboardWillShowNotification
        : name == "UIKeyboardWillHideNotification"                          ? UIKeyboardWillHideNotification
                                                                            : nullptr;
    if (!notification) {
        CFLog(kCFLogLevelError, "uikit: ignored the keyboard notification \"%s\", which UIKit does not post", name.c_str());
        return;
    }
    CFLog(kCFLogLevelNotice, "uikit: %s from %s to %s", name.c_str(), foundation::describeRect(begin).c_str(), foundation::describeRect(end).c_str());
    postKeyboardNotification(notification, begin, end);
}

void ApplicationKeyboard::notificationMessageArrived(sdbus::Message& message)
{
    scene::KeyboardMessage keyboard;
    std::string error;
    if (!scene::readKeyboardMessage(message, &keyboard, &error)) {
        CFLog(kCFLogLevelError, "uikit: ignored a malformed keyboard notification from %s: %s", message.getSender().c_str(), error.c_str());
        return;
    }
    notificationArrived(keyboard.name, keyboard.begin, keyboard.end);
}

}
