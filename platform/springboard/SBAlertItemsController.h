#pragma once
// The shell's controller of alert items (alerts shown over everything).
//
// Encodings: sharedInstance "@@:" (class).

#include "foundation/NSObject.h"

struct SBAlertItemsController : NSObject { };

namespace springboard {
Class SBAlertItemsControllerClass();
void registerSBAlertItemsController();
}
