// The library's initialisers run when the loader opens it: observers first,
// then methods, so every observer is in place before the first replacement.
// As on the phone, the runtime takes the library's classes (and runs their
// `load`) before either.
#include "Startup.h"

#include "actions/ActivatorPopup.h"

__attribute__((constructor(101))) static void drawletClassInitializer()
{
    registerActivatorPopup();
}

__attribute__((constructor(102))) static void drawletObserverInitializer()
{
    registerObservers();
}

__attribute__((constructor(103))) static void drawletHookInitializer()
{
    installHooks();
}
