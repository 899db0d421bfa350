#include "WallClock.h"

#include "dispatch/RunLoop.h"

#include <chrono>
#include <string_view>

namespace foundation {

namespace {

struct WallClockState {
    // The wall clock at the run loop's instant 0.
    std::optional<double> atLoopStart;
    bool fixed = false;
};

WallClockState& wallClockState()
{
    static WallClockState shared;
    return shared;
}

double hostNow()
{
    return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
}

}

double wallClockNow()
{
    auto& shared = wallClockState();
    double const sinceStart = dispatch::RunLoop::main().now();
    if (!shared.atLoopStart)
        shared.atLoopStart = hostNow() - sinceStart;
    return *shared.atLoopStart + sinceStart;
}

std::tm wallClockLocalTime(std::time_t time)
{
    std::tm parts {};
    if (wallClockState().fixed)
        gmtime_r(&time, &parts);
    else
        localtime_r(&time, &parts);
    return parts;
}

void setWallClockStart(std::optional<double> unixSeconds, double at)
{
    auto& shared = wallClockState();
    shared.fixed = unixSeconds.has_value();
    shared.atLoopStart.reset();
    if (unixSeconds)
        shared.atLoopStart = *unixSeconds - at;
}

std::optional<double> parseWallClock(const std::string& text)
{
    // Exactly "YYYY-MM-DDTHH:MM:SS": digits where digits go, nothing more.
    static constexpr std::string_view kShape = "dddd-dd-ddTdd:dd:dd";
    if (text.size() != kShape.size())
        return std::nullopt;
    for (size_t index = 0; index < kShape.size(); ++index) {
        bool const digit = text[index] >= '0' && text[index] <= '9';
        if (kShape[index] == 'd' ? !digit : text[index] != kShape[index])
            return std::nullopt;
    }
    auto number = [&text](size_t at, size_t length) { return std::stoi(text.substr(at, length)); };
    int const year = number(0, 4), month = number(5, 2), day = number(8, 2);
    int const hour = number(11, 2), minute = number(14, 2), second = number(17, 2);
    if (year < 1970 || hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    std::chrono::year_month_day const date { std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)), std::chrono::day(static_cast<unsigned>(day)) };
    if (!date.ok())
        return std::nullopt;
    auto const days = std::chrono::sys_days(date).time_since_epoch().count();
    return static_cast<double>(days) * 86400 + hour * 3600 + minute * 60 + second;
}

void resetWallClock()
{
    wallClockState() = {};
}

}
