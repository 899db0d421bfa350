// Keyboard avoidance: observers of the keyboard's will-show and will-hide.
#include "core/Replacements.h"

void added_SpringBoard_noticeShowKeyboard(id, SEL, id) { }
void added_SpringBoard_noticeHideKeyboard(id, SEL, id) { }
