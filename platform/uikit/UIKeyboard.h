#pragma once
// The keyboard's keys, as the shell draws them in the keyboard's window: four
// rows (q to p; a to l; shift, z to m, delete; comma, space, full stop,
// return) laid out across the view's width, each key a cell that takes the
// taps on it and on the gaps around its cap. A tap on a key hands its text to
// `keyTyped` ("\n" for return, "\b" for delete); shift makes the next letter
// a capital.

#include "UILabel.h"

#include <functional>
#include <string>
#include <vector>

struct UIKeyboard : UIView {
    struct Key {
        UIView* cell = nullptr;
        UILabel* cap = nullptr;
        // "" for shift.
        std::string text;
    };

    std::vector<Key> keys;
    bool shifted = false;
    std::function<void(const std::string& text)> keyTyped;
};

namespace uikit {

Class UIKeyboardClass();
void registerUIKeyboard();

// Lays the keys out afresh for the keyboard's size.
void layOutKeyboard(UIKeyboard* keyboard);

}
