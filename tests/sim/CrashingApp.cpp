// An application program that dies as it starts, before it has shown
// anything: the shell must carry on and stop relaunching it in a loop.
#include <cstdlib>

int main()
{
    std::abort();
}
