#include "ActivatorClasses.h"

#include "foundation/NSObject.h"

namespace activator {

void registerClasses()
{
    if (LAActivatorClass())
        return;
    foundation::registerClasses();
    registerLAEvent();
    registerLAActivator();
}

void reset()
{
    resetLAActivator();
    ActivatorRemote::reset();
}

}
