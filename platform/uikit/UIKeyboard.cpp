#include "UIKeyboard.h"
#include "UITapGestureRecognizer.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

Class g_UIKeyboard;

struct KeySpec {
    const char* label;
    const char* text;
    // In tenths of the keyboard's width.
    double width;
};

// Row by row; the second row is indented by half a key.
const std::vector<std::vector<KeySpec>>& rows()
{
    static const std::vector<std::vector<KeySpec>> layout {
        { { "q", "q", 1 }, { "w", "w", 1 }, { "e", "e", 1 }, { "r", "r", 1 }, { "t", "t", 1 }, { "y", "y", 1 }, { "u", "u", 1 }, { "i", "i", 1 },
            { "o", "o", 1 }, { "p", "p", 1 } },
        { { "a", "a", 1 }, { "s", "s", 1 }, { "d", "d", 1 }, { "f", "f", 1 }, { "g", "g", 1 }, { "h", "h", 1 }, { "j", "j", 1 }, { "k", "k", 1 },
            { "l", "l", 1 } },
        { { "\u21E7", "", 1.5 }, { "z", "z", 1 }, { "x", "x", 1 }, { "c", "c", 1 }, { "v", "v", 1 }, { "b", "b", 1 }, { "n", "n", 1 },
            { "m", "m", 1 }, { "\u232B", "\b", 1.5 } },
        { { ",", ",", 1 }, { "space", " ", 6 }, { ".", ".", 1 }, { "return", "\n", 2 } },
    };
    return layout;
}

bool isLetter(const std::string& text)
{
    return text.size() == 1 && std::isalpha(static_cast<unsigned char>(text[0]));
}

// "space" and "return", drawn smaller than a letter or a symbol.
bool isWord(const std::string& label)
{
    return label.size() > 1 && std::isalpha(static_cast<unsigned char>(label[0]));
}

UIColor* capColor(const UIKeyboard::Key& key, bool shifted)
{
    bool const lit = isLetter(key.text) || key.text == " " || key.text == "," || key.text == "." || (key.text.empty() && shifted);
    return lit ? UIColor::make(1, 1, 1, 1) : UIColor::make(0.67, 0.70, 0.75, 1);
}

void showShift(UIKeyboard* keyboard)
{
    for (auto const& key : keyboard->keys) {
        if (isLetter(key.text)) {
            std::string label = key.text;
            if (keyboard->shifted)
                label[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(label[0])));
            send(static_cast<id>(key.cap), "setText:"_sel, static_cast<id>(NSString::make(label)));
        }
        send(static_cast<id>(key.cap), "setBackgroundColor:"_sel, static_cast<id>(capColor(key, keyboard->shifted)));
    }
}

void keyTapped(id, SEL, id recognizer)
{
    id cell = send<id>(recognizer, "view"_sel);
    auto* keyboard = static_cast<UIKeyboard*>(send<id>(cell, "superview"_sel));
    if (!keyboard || !foundation::isKindOf(keyboard, g_UIKeyboard))
        return;
    auto const key = std::find_if(keyboard->keys.begin(), keyboard->keys.end(), [cell](const UIKeyboard::Key& each) { return each.cell == cell; });
    if (key == keyboard->keys.end())
        return;
    if (key->text.empty()) {
        keyboard->shifted = !keyboard->shifted;
        showShift(keyboard);
        return;
    }
    std::string text = key->text;
    if (keyboard->shifted && isLetter(text)) {
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
        keyboard->shifted = false;
        showShift(keyboard);
    }
    // The handler may lay the keyboard out again.
    auto const handler = keyboard->keyTyped;
    if (handler)
        handler(text);
}

id makeView(Class cls, CGRect frame)
{
    return send<id>(send<id>(cls, "alloc"_sel), "initWithFrame:"_sel, frame);
}

}

namespace uikit {

Class UIKeyboardClass() { return g_UIKeyboard; }

void layOutKeyboard(UIKeyboard* keyboard)
{
    id self = keyboard;
    for (auto const& key : keyboard->keys)
        send(static_cast<id>(key.cell), "removeFromSuperview"_sel);
    keyboard->keys.clear();
    keyboard->shifted = false;
    send(self, "setBackgroundColor:"_sel, static_cast<id>(UIColor::make(0.82, 0.84, 0.87, 1)));

    CGSize const size = keyboard->bounds().size;
    double const unit = size.width / 10;
    double const padding = std::round(size.height * 0.02);
    double const pitch = (size.height - 2 * padding) / static_cast<double>(rows().size());
    double const gap = std::round(pitch * 0.2);
    double const capHeight = pitch - gap;
    double const letterSize = std::min(22.0, std::round(capHeight * 0.55));
    double const wordSize = std::min(15.0, std::round(capHeight * 0.4));
    for (size_t row = 0; row < rows().size(); ++row) {
        double x = row == 1 ? unit / 2 : 0;
        double const y = padding + pitch * static_cast<double>(row);
        for (auto const& key : rows()[row]) {
            double const width = unit * key.width;
            id cell = makeView(UIViewClass(), CGRectMake(x, y, width, pitch));
            id cap = makeView(UILabelClass(), CGRectMake(3, gap / 2, width - 6, capHeight));
            send(cap, "setText:"_sel, static_cast<id>(NSString::make(key.label)));
            send(cap, "setTextAlignment:"_sel, static_cast<long>(NSTextAlignmentCenter));
            send(cap, "setFont:"_sel, static_cast<id>(UIFont::systemFont(isWord(key.label) ? wordSize : letterSize)));
            send(send<id>(cap, "layer"_sel), "setCornerRadius:"_sel, 5.0);
            send(cap, "setClipsToBounds:"_sel, true);
            send(cell, "addSubview:"_sel, cap);
            auto recognizer = adopt(send<id>(send<id>(UITapGestureRecognizerClass(), "alloc"_sel), "initWithTarget:action:"_sel,
                static_cast<id>(g_UIKeyboard), "_keyTapped:"_sel));
            send(cell, "addGestureRecognizer:"_sel, recognizer.get());
            send(self, "addSubview:"_sel, cell);
            keyboard->keys.push_back({ static_cast<UIView*>(cell), static_cast<UILabel*>(cap), key.text });
            objc_release(cap);
            objc_release(cell);
            x += width;
        }
    }
    showShift(keyboard);
}

void registerUIKeyboard()
{
    g_UIKeyboard = runtime::defineClass("UIKeyboard", UIViewClass(), runtime::makeInstance<UIKeyboard>);
    addClassMethod(g_UIKeyboard, "_keyTapped:"_sel, keyTapped);
}

}
