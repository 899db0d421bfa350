// keyboard show, keyboard hide: the on-screen keyboard comes up or goes away
// as if a text field had taken or lost the focus (in the application in front,
// or on the home screen), with the same notifications. type TEXT: the keys
// typed into the field editing, "\n" pressing Return and "\x08" the delete key.
#include "ArgumentChecks.h"
#include "Verbs.h"

#include "foundation/SystemLog.h"
#include "springboard/OnScreenKeyboard.h"

namespace sim {

namespace {

// Text, Return and delete are what the keyboard has keys for.
bool checkTypedText(const std::string& text, std::string* error)
{
    if (!checkText("the text", text, error))
        return false;
    for (char const c : text) {
        auto const byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 || byte == 0x7F) && c != '\n' && c != '\b') {
            *error = "the text may hold no control characters but \\n (Return) and \\x08 (delete)";
            return false;
        }
    }
    return true;
}

}

Verb keyboardVerb()
{
    static constexpr const char* usage = "keyboard show|hide";
    return { "keyboard", { "keyboard show", "keyboard hide" }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
                if (!expectArgumentCount(arguments, 1, usage, error))
                    return std::nullopt;
                if (arguments[0] == "show") {
                    return [](ScriptContext&) {
                        std::string reason;
                        if (!springboard::showKeyboard(&reason))
                            return VerbResult::failed("cannot show the keyboard: " + reason);
                        return VerbResult::done();
                    };
                }
                if (arguments[0] == "hide") {
                    return [](ScriptContext&) {
                        if (!springboard::hideKeyboard())
                            systemlog::write(kCFLogLevelNotice, "drawlet-sim: the keyboard is not up");
                        return VerbResult::done();
                    };
                }
                *error = "expected show or hide, not \"" + arguments[0] + "\"";
                return std::nullopt;
            } };
}

Verb typeVerb()
{
    static constexpr const char* usage = "type TEXT";
    return { "type", { usage }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
                if (!expectArgumentCount(arguments, 1, usage, error) || !checkTypedText(arguments[0], error))
                    return std::nullopt;
                return [text = arguments[0]](ScriptContext&) {
                    std::string reason;
                    if (!springboard::typeOnKeyboard(text, &reason))
                        return VerbResult::failed("cannot type: " + reason);
                    return VerbResult::done();
                };
            } };
}

}
