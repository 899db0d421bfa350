#pragma once
// The device's wall clock: the time of day the lock screen, the status bars and
// Clock show. It follows the run loop's clock, virtual or real, from a start
// that is the host's time when the process first asks, or a fixed one that the
// simulator sets (--wall-clock), so that pictures of a headless run repeat.

#include <ctime>
#include <optional>
#include <string>

namespace foundation {

// Seconds since the Unix epoch, now.
double wallClockNow();
// A wall-clock time broken down as the phone shows it. With a fixed start the
// time is the phone's local time as written, whatever the host's time zone;
// otherwise the host's local time.
std::tm wallClockLocalTime(std::time_t time);

// Fixes the wall clock at `unixSeconds` (read as the phone's local time) at
// the run loop's instant `at`; nullopt goes back to the host's time.
void setWallClockStart(std::optional<double> unixSeconds, double at = 0);
// "YYYY-MM-DDTHH:MM:SS" as seconds since the epoch, read as UTC; nullopt when
// the text is not such a time.
std::optional<double> parseWallClock(const std::string& text);

void resetWallClock();

}
