#pragma once
// Blocks: closures that travel as objects in messages (an argument "@"), as
// the phone's blocks do. Two shapes are enough here: a block without
// arguments (animations, dispatch work) and one taking a BOOL (completions).

#include "NSObject.h"

#include <functional>

struct NSBlock : NSObject {
    std::function<void()> body;
    std::function<void(bool)> bodyWithFlag;
};

// Autoreleased blocks.
NSBlock* makeBlock(std::function<void()> body);
NSBlock* makeCompletionBlock(std::function<void(bool finished)> body);

// Runs a block; nil, or a block of the other shape, runs nothing.
void invokeBlock(id object);
void invokeCompletionBlock(id object, bool finished);

namespace foundation {
Class NSBlockClass();
void registerNSBlock();
}
