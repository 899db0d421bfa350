#pragma once
// The shell's controller of alert items, shown over everything one at a time
// (AlertQueue.h).
//
// Encodings: sharedInstance "@@:" (class), activateAlertItem: "v@:@".

#include "foundation/NSObject.h"

struct SBAlertItemsController : NSObject { };

namespace springboard {
Class SBAlertItemsControllerClass();
void registerSBAlertItemsController();
}
