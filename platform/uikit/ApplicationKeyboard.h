#pragma once
// An application's side of the on-screen keyboard, which the shell draws. The
// process has at most one text field editing: when a field takes the focus
// the shell is told (and shows the keyboard), when its editing ends the shell
// is told again (and hides it); a field taking the focus from another one
// tells the shell only of the new focus. From the shell come what is typed,
// the end of editing when the keyboard goes away on its own account, and the
// keyboard's notifications, which are posted on this process's default
// center. Without a bus the shell hears nothing and the rest still works, so
// a field can be driven alone.

#include "UITextField.h"

#include "coregraphics/CGGeometry.h"

#include <functional>
#include <string>

namespace sdbus {
class Message;
}

namespace uikit {

class ApplicationKeyboard {
public:
    static ApplicationKeyboard& shared();
    // Forgets the field editing and the bus; for tests.
    static void reset();

    // Listens for the shell's keyboard messages to this process, which
    // speaks for `bundleIdentifier`; false when it cannot.
    bool connect(const std::string& bundleIdentifier);

    // Runs after each message from the shell has been handled (the
    // application draws what changed).
    void setChangeHandler(std::function<void()> handler) { m_changeHandler = std::move(handler); }

    UITextField* editingField() const { return m_field.get(); }
    // The text fields' side: `field` became the first responder, or gave it
    // up. A delegate hears textFieldDidBeginEditing: and
    // textFieldDidEndEditing:.
    void fieldBeganEditing(UITextField* field);
    void fieldEndedEditing(UITextField* field);

    // The shell's side. Typed text goes to the field editing through the
    // runtime (insertText:, deleteBackward for "\b", Return for "\n"); with
    // no field editing it is dropped with a log line.
    void typed(const std::string& text);
    // The keyboard went away: the field editing gives up the focus, and the
    // shell, which knows, is not told.
    void shellEndedEditing();
    // Posts UIKeyboardWillShowNotification or UIKeyboardWillHideNotification;
    // any other name is logged and ignored.
    void notificationArrived(const std::string& name, CGRect begin, CGRect end);

private:
    ApplicationKeyboard() = default;
    void tellShell(bool editing);
    void notificationMessageArrived(sdbus::Message& message);
    void changed();

    std::string m_bundleIdentifier;
    Strong<UITextField> m_field;
    std::function<void()> m_changeHandler;
    // While the shell's own end of editing is being carried out.
    bool m_endingForShell = false;
};

}
