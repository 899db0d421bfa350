#include "DeviceRotation.h"

#include "foundation/NSObject.h"
#include "springboard/SpringBoard.h"
#include "uikit/UIDeviceOrientationEvent.h"

#include <array>

namespace sim {

namespace {

// Seconds the interface takes to turn, as the shell is told.
constexpr double kRotationSeconds = 0.4;

// Clockwise, as the device is turned to the right.
constexpr std::array<long, 4> kClockwise { UIInterfaceOrientationPortrait, UIInterfaceOrientationLandscapeLeft,
    UIInterfaceOrientationPortraitUpsideDown, UIInterfaceOrientationLandscapeRight };

SpringBoard* runningShell()
{
    id shell = uikit::sharedApplication();
    if (!shell || !foundation::isKindOf(shell, springboard::SpringBoardClass()))
        return nullptr;
    return static_cast<SpringBoard*>(shell);
}

}

bool rotateDevice(long orientation)
{
    SpringBoard* shell = runningShell();
    if (!shell)
        return false;
    uikit::sendDeviceOrientationEvent(orientation);
    send(static_cast<id>(shell), "noteInterfaceOrientationChanged:duration:"_sel, orientation, kRotationSeconds);
    return true;
}

long orientationAfterTurning(int step)
{
    SpringBoard* shell = runningShell();
    long const current = shell ? shell->interfaceOrientation : UIInterfaceOrientationPortrait;
    size_t index = 0;
    while (index < kClockwise.size() && kClockwise[index] != current)
        ++index;
    int const size = static_cast<int>(kClockwise.size());
    int const next = ((static_cast<int>(index % kClockwise.size()) + step) % size + size) % size;
    return kClockwise[static_cast<size_t>(next)];
}

}
