#include "ProcessClock.h"

#include "dispatch/RunLoop.h"
#include "foundation/SystemLog.h"
#include "foundation/WallClock.h"

namespace sim {

void startProcessClock(bool headless, const std::string& wallClock)
{
    auto& loop = dispatch::RunLoop::main();
    loop.setClockMode(headless ? dispatch::RunLoop::ClockMode::Virtual : dispatch::RunLoop::ClockMode::Real);
    loop.restartClock();
    systemlog::setClock([&loop] { return loop.now(); });
    if (!wallClock.empty())
        foundation::setWallClockStart(foundation::parseWallClock(wallClock));
}

}
