#pragma once
// Moving a view along one axis, keeping the rest of its frame: the grabber and
// its contents move this way in many places.

#include "runtime/Runtime.h"

void setOriginX(id view, double x);
void setOriginY(id view, double y);
