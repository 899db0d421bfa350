// The in-application library starts like the shell's: observers first, then
// method replacements. Its behaviour arrives with the application processes.
__attribute__((constructor(101))) static void drawletClientObserverInitializer()
{
}

__attribute__((constructor(102))) static void drawletClientHookInitializer()
{
}
