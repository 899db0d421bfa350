// hang BUNDLE_ID SECONDS: the application's process stops answering
// (SIGSTOP) and goes on (SIGCONT) after that many seconds of real time. The
// lock-step waits for it meanwhile, so a headless run stays the same; the
// longest hang is well under the limit after which the clock drops a silent
// process.
#include "ArgumentChecks.h"
#include "InstalledApplicationCheck.h"
#include "Verbs.h"

#include "foundation/SystemLog.h"
#include "frontboard/ApplicationProcesses.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

namespace sim {

namespace {

constexpr const char* kUsage = "hang BUNDLE_ID SECONDS";
constexpr double kLongestHangSeconds = 2;

// The resumption runs on a thread of its own: the main thread may be waiting
// for this very process in the lock-step.
void resumeLater(pid_t pid, double seconds)
{
    std::thread([pid, seconds] {
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        kill(pid, SIGCONT);
    }).detach();
}

}

Verb hangVerb()
{
    return { "hang", { kUsage }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
                double seconds = 0;
                if (!expectArgumentCount(arguments, 2, kUsage, error) || !checkText("the bundle identifier", arguments[0], error)
                    || !parseSeconds(arguments[1], &seconds, error))
                    return std::nullopt;
                if (seconds > kLongestHangSeconds) {
                    *error = "a hang lasts at most 2 seconds";
                    return std::nullopt;
                }
                return [bundleIdentifier = arguments[0], seconds](ScriptContext&) {
                    std::string reason;
                    if (!checkInstalledApplication(bundleIdentifier, &reason))
                        return VerbResult::failed(reason);
                    pid_t const pid = frontboard::ApplicationProcesses::shared().processIdentifier(bundleIdentifier);
                    if (pid == 0)
                        return VerbResult::failed("cannot hang " + bundleIdentifier + ": it is not running");
                    kill(pid, SIGSTOP);
                    char text[32];
                    std::snprintf(text, sizeof text, "%g", seconds);
                    systemlog::write(kCFLogLevelNotice, "drawlet-sim: " + bundleIdentifier + " stops answering for " + text + " s");
                    resumeLater(pid, seconds);
                    return VerbResult::done();
                };
            } };
}

}
