#pragma once
// The object runtime in one include.

#include "AutoreleasePool.h"
#include "Class.h"
#include "Encoding.h"
#include "MessageSend.h"
#include "Object.h"
#include "Selector.h"
#include "Strong.h"
#include "objc.h"
