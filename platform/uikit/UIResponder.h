#pragma once
// The base of views and applications: the objects that can receive events.

#include "foundation/NSObject.h"

struct UIResponder : NSObject { };

namespace uikit {
Class UIResponderClass();
void registerUIResponder();
}
