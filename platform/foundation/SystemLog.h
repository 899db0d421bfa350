#pragma once
// The system log: NSLog and CFLog. Each message is one line,
//   SECONDS NAME[PID]: MESSAGE
// on standard error and in an optional log file, with the message's bytes kept
// exactly as written. Tests read the messages back through `captured`.

#include "Format.h"
#include "NSString.h"

#include <functional>
#include <string>
#include <vector>

enum CFLogLevel {
    kCFLogLevelEmergency = 0,
    kCFLogLevelAlert = 1,
    kCFLogLevelCritical = 2,
    kCFLogLevelError = 3,
    kCFLogLevelWarning = 4,
    kCFLogLevelNotice = 5,
    kCFLogLevelInfo = 6,
    kCFLogLevelDebug = 7,
};

namespace systemlog {

struct Entry {
    int level;
    std::string message;
};

void write(int level, std::string message);

// The process name the lines carry ("SpringBoard" for the shell).
void setProcessName(std::string name);
const std::string& processName();
// Seconds since start, virtual or real; set by the run loop's clock.
void setClock(std::function<double()> seconds);
// Also append every line to this file ("" stops).
bool setLogFile(const std::string& path);
void setWritesToStandardError(bool enabled);

// Whether messages are kept for `captured` (on by default, and again after a
// reset, for tests). A long-running program turns it off: kept messages grow
// with every line it writes.
void setKeepsMessages(bool enabled);

// Every message written since the last reset while keeping was on, for tests.
const std::vector<Entry>& captured();
std::vector<std::string> capturedMessages();
void reset();

}

template <class Format, class... Args>
void NSLog(Format format, Args... args)
{
    systemlog::write(kCFLogLevelNotice, foundation::format(foundation::formatText(format), args...));
}

template <class Format, class... Args>
void CFLog(int level, Format format, Args... args)
{
    systemlog::write(level, foundation::format(foundation::formatText(format), args...));
}
