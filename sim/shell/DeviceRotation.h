#pragma once
// Turning the simulated device: the shell gets the device-orientation event
// and, independently of what it does with it, the new interface orientation.

namespace sim {

// False when the shell's application object is not running.
bool rotateDevice(long orientation);

// The orientation one quarter turn from the shell's current one: +1 to the
// right (clockwise), −1 to the left.
long orientationAfterTurning(int step);

}
