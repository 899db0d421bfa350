#include "UITextField.h"
#include "ApplicationKeyboard.h"
#include "UITapGestureRecognizer.h"

#include <cstdint>

namespace {

Class g_UITextField;

UITextField* asUITextField(id self) { return static_cast<UITextField*>(self); }

id initTextFieldWithFrame(id self, SEL selector, CGRect frame)
{
    self = sendSuper<id>(self, g_UITextField, selector, frame);
    // The class is the tap's target: a field targeting itself would keep
    // itself alive through its own recognizer.
    auto recognizer = adopt(send<id>(send<id>(uikit::UITapGestureRecognizerClass(), "alloc"_sel), "initWithTarget:action:"_sel,
        static_cast<id>(g_UITextField), "_fieldTapped:"_sel));
    send(self, "addGestureRecognizer:"_sel, recognizer.get());
    return self;
}

void fieldTapped(id, SEL, id recognizer)
{
    (void)send<bool>(send<id>(recognizer, "view"_sel), "becomeFirstResponder"_sel);
}

NSString* checkedString(id value, const char* what)
{
    auto* string = uikit::acceptString(value, what);
    return string ? NSString::make(uikit::printableText(string->value)) : nullptr;
}

id textFieldText(id self, SEL)
{
    auto* field = asUITextField(self);
    return field->text ? static_cast<id>(field->text) : static_cast<id>(NSSTR(""));
}

void setTextFieldText(id self, SEL, id value) { asUITextField(self)->text = checkedString(value, "-[UITextField setText:]"); }
id placeholder(id self, SEL) { return asUITextField(self)->placeholder; }
void setPlaceholder(id self, SEL, id value) { asUITextField(self)->placeholder = checkedString(value, "-[UITextField setPlaceholder:]"); }
id textFieldDelegate(id self, SEL) { return asUITextField(self)->delegate; }
void setDelegate(id self, SEL, id delegate) { asUITextField(self)->delegate = delegate; }

bool isFirstResponder(id self, SEL) { return uikit::ApplicationKeyboard::shared().editingField() == self; }

bool becomeFirstResponder(id self, SEL)
{
    uikit::ApplicationKeyboard::shared().fieldBeganEditing(asUITextField(self));
    return true;
}

bool resignFirstResponder(id self, SEL)
{
    auto& keyboard = uikit::ApplicationKeyboard::shared();
    if (keyboard.editingField() == self)
        keyboard.fieldEndedEditing(asUITextField(self));
    return true;
}

bool hasText(id self, SEL) { return asUITextField(self)->text && !asUITextField(self)->text->value.empty(); }

void insertText(id self, SEL, id value)
{
    auto* inserted = uikit::acceptString(value, "-[UITextField insertText:]");
    if (!inserted)
        return;
    std::string const printable = uikit::printableText(inserted->value);
    if (printable.empty())
        return;
    auto* field = asUITextField(self);
    field->text = NSString::make((field->text ? field->text->value : std::string()) + printable);
}

void deleteBackward(id self, SEL)
{
    auto* field = asUITextField(self);
    if (!field->text || field->text->value.empty())
        return;
    std::string value = field->text->value;
    // Back over continuation bytes to the start of the last character.
    size_t end = value.size() - 1;
    while (end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80)
        --end;
    value.erase(end);
    field->text = NSString::make(value);
}

// The length of the UTF-8 sequence at `at` and its code point, or 0 when the
// bytes there are not UTF-8 (overlong forms and surrogates included).
size_t decode(std::string_view text, size_t at, uint32_t* codePoint)
{
    auto const lead = static_cast<unsigned char>(text[at]);
    size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2
        : (lead & 0xF0) == 0xE0                             ? 3
        : (lead & 0xF8) == 0xF0                             ? 4
                                                            : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    uint32_t value = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t index = 1; index < length; ++index) {
        auto const next = static_cast<unsigned char>(text[at + index]);
        if ((next & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (next & 0x3F);
    }
    static constexpr uint32_t smallest[] = { 0, 0, 0x80, 0x800, 0x10000 };
    if (value < smallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    *codePoint = value;
    return length;
}

bool isControl(uint32_t codePoint)
{
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
}

}

namespace uikit {

Class UITextFieldClass() { return g_UITextField; }

std::string printableText(std::string_view text)
{
    std::string printable;
    for (size_t at = 0; at < text.size();) {
        uint32_t codePoint = 0;
        size_t const length = decode(text, at, &codePoint);
        if (length == 0) {
            ++at;
            continue;
        }
        if (!isControl(codePoint))
            printable.append(text.substr(at, length));
        at += length;
    }
    return printable;
}

void textFieldReturnPressed(UITextField* field)
{
    Strong<UITextField> held(field);
    id self = field;
    id delegate = field->delegate;
    bool shouldEnd = true;
    if (delegate && send<bool>(delegate, "respondsToSelector:"_sel, "textFieldShouldReturn:"_sel))
        shouldEnd = send<bool>(delegate, "textFieldShouldReturn:"_sel, self);
    if (shouldEnd)
        (void)send<bool>(self, "resignFirstResponder"_sel);
}

void registerUITextField()
{
    g_UITextField = runtime::defineClass("UITextField", UIViewClass(), runtime::makeInstance<UITextField>);
    addMethod(g_UITextField, "initWithFrame:"_sel, initTextFieldWithFrame);
    addClassMethod(g_UITextField, "_fieldTapped:"_sel, fieldTapped);
    addMethod(g_UITextField, "text"_sel, textFieldText);
    addMethod(g_UITextField, "setText:"_sel, setTextFieldText);
    addMethod(g_UITextField, "placeholder"_sel, placeholder);
    addMethod(g_UITextField, "setPlaceholder:"_sel, setPlaceholder);
    addMethod(g_UITextField, "delegate"_sel, textFieldDelegate);
    addMethod(g_UITextField, "setDelegate:"_sel, setDelegate);
    addMethod(g_UITextField, "isFirstResponder"_sel, isFirstResponder);
    addMethod(g_UITextField, "isEditing"_sel, isFirstResponder);
    addMethod(g_UITextField, "becomeFirstResponder"_sel, becomeFirstResponder);
    addMethod(g_UITextField, "resignFirstResponder"_sel, resignFirstResponder);
    addMethod(g_UITextField, "hasText"_sel, hasText);
    addMethod(g_UITextField, "insertText:"_sel, insertText);
    addMethod(g_UITextField, "deleteBackward"_sel, deleteBackward);
}

}
