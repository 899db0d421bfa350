// The library's initialisers run when the loader opens it: observers first,
// then methods, so every observer is in place before the first replacement.
#include "Startup.h"

__attribute__((constructor(101))) static void drawletObserverInitializer()
{
    registerObservers();
}

__attribute__((constructor(102))) static void drawletHookInitializer()
{
    installHooks();
}
