#pragma once
// A text field's delegate with a C++ action for Return: the demo applications
// take what was typed through the platform's own field.

#include "runtime/Strong.h"

#include <functional>

namespace apps {

// A delegate for a field (which does not retain it: the caller keeps it)
// whose textFieldShouldReturn: runs `action` and answers what it returns: true
// ends editing.
Strong<objc_object> makeReturnAction(std::function<bool()> action);

}
