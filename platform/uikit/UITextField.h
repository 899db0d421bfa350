#pragma once
// A one-line text field. A tap on it makes it the first responder: it edits,
// and the process's keyboard session (ApplicationKeyboard.h) tells the shell,
// which shows the keyboard. Typed text is appended (the caret stays at the
// end); the delete key takes the last character away. Return asks the
// delegate's textFieldShouldReturn: and, unless it answers NO, ends editing.
// Only printable text is kept: control characters and bytes that are not
// UTF-8 are dropped.
//
// Encodings: text, placeholder, delegate "@@:" (text is "" rather than nil);
// setText:, setPlaceholder:, setDelegate:, insertText: "v@:@";
// becomeFirstResponder, resignFirstResponder, isFirstResponder, isEditing,
// hasText "B@:"; deleteBackward "v@:". The delegate, not retained, may answer
// textFieldShouldReturn: "B@:@", textFieldDidBeginEditing: and
// textFieldDidEndEditing: "v@:@".

#include "UIView.h"

#include <string>
#include <string_view>

struct UITextField : UIView {
    Strong<NSString> text;
    Strong<NSString> placeholder;
    id delegate = nullptr;
};

namespace uikit {

Class UITextFieldClass();
void registerUITextField();

// `text` without control characters and with whatever is not UTF-8 dropped.
std::string printableText(std::string_view text);
// Return was pressed while `field` was editing.
void textFieldReturnPressed(UITextField* field);

}
