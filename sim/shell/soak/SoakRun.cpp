#include "SoakRun.h"

#include "HomeScreenLayout.h"
#include "Script.h"
#include "ScriptRunner.h"
#include "ScriptWords.h"
#include "SoakEvents.h"
#include "SoakGrowth.h"
#include "SoakInvariants.h"

#include "foundation/SystemLog.h"
#include "runtime/Class.h"

#include <chrono>
#include <cstdio>
#include <fstream>

namespace sim {

namespace {

constexpr long kWayOutEvery = 50;
constexpr long kGrowthEvery = 500;
// Waits of 0.1 s after an event before its animations must have ended.
constexpr int kSettleSteps = 50;
constexpr int kMostAlertsAnswered = 10;

struct Violation {
    std::string invariant;
};

class Soak {
public:
    Soak(const SoakOptions& options, ScriptContext& context)
        : m_options(options)
        , m_context(context)
        , m_random(options.seed)
        , m_events(m_random, options.without)
        , m_settings(context.homeDirectory)
    {
    }

    int run();

private:
    bool openScript();
    // Runs one line as a scenario would, writing it to the script first.
    std::optional<Violation> perform(const std::string& line, bool* succeeded = nullptr);
    std::optional<Violation> settle(DeviceObservation* device);
    std::optional<Violation> checkInvariants(const DeviceObservation& device);
    std::optional<Violation> wayOut();
    std::optional<Violation> checkGrowth(long event);
    int report(long event, const Violation& violation);
    // Asked to end (a signal): what the interrupted event left is no fault.
    bool endRequested() const { return m_context.endRequested && m_context.endRequested(); }

    const SoakOptions& m_options;
    ScriptContext& m_context;
    SoakRandom m_random;
    SoakEvents m_events;
    SoakSettingsModel m_settings;
    PanelWindows m_windows;
    std::ofstream m_script;
    int m_lineNumber = 0;
    bool m_drawletLoaded = false;
    uint64_t m_runtimeErrorsBefore = 0;
    std::optional<ResourceUse> m_warmedUp;
};

bool Soak::openScript()
{
    if (m_options.scriptPath.empty())
        return true;
    m_script.open(m_options.scriptPath, std::ios::trunc);
    if (!m_script) {
        std::fprintf(stderr, "drawlet-sim: cannot write the soak's script %s\n", m_options.scriptPath.c_str());
        return false;
    }
    m_script << "# drawlet-sim --soak " << m_options.events << " --seed " << m_options.seed << ": the events as they ran; replay with --script\n";
    m_script.flush();
    m_lineNumber = 1;
    return true;
}

std::optional<Violation> Soak::perform(const std::string& line, bool* succeeded)
{
    ++m_lineNumber;
    if (m_script.is_open()) {
        m_script << line << '\n';
        m_script.flush();
    }
    Script script = parseScript(line);
    if (!script.errors.empty() || script.commands.size() != 1)
        return Violation { "the soak made a line that does not parse: " + line + (script.errors.empty() ? "" : " (" + script.errors[0].message + ")") };
    auto& command = script.commands[0];
    command.line = m_lineNumber;
    // A refusal (a locked phone, a broken settings file, an application
    // that is not running) is an outcome the soak expects, not a fault.
    VerbResult const result = runScriptCommand(command, m_context);
    if (succeeded)
        *succeeded = result.kind == VerbResult::Kind::Continue;
    return std::nullopt;
}

std::optional<Violation> Soak::settle(DeviceObservation* device)
{
    for (int step = 0; step <= kSettleSteps; ++step) {
        *device = observeDevice(m_windows);
        if (!device->animating)
            return std::nullopt;
        if (step == kSettleSteps)
            break;
        if (auto violation = perform("wait 0.1"))
            return violation;
    }
    return Violation { "animations still run 5 s after the event" };
}

std::optional<Violation> Soak::checkInvariants(const DeviceObservation& device)
{
    if (runtime::runtimeErrorCount() != m_runtimeErrorsBefore)
        return Violation { "a runtime error: " + runtime::lastRuntimeError() };
    if (auto reason = checkPanel(device, m_drawletLoaded))
        return Violation { *reason };
    if (auto reason = checkProcesses(device))
        return Violation { *reason };
    if (auto reason = m_settings.check())
        return Violation { *reason };
    return std::nullopt;
}

bool onHomeScreenUndimmed(const DeviceObservation& device)
{
    bool const dimmed = device.panel.dimmingKnown && !device.panel.dimmingHidden && device.panel.dimmingAlpha != 0;
    return device.frontApplication.empty() && !dimmed && !device.switcherShown && !device.locked && device.alertButtons.empty();
}

// Whatever the events left, the user finds a way back: unlock, answer the
// alerts, press home (twice at most); then the home screen shows undimmed and
// a tap on an icon opens its application.
std::optional<Violation> Soak::wayOut()
{
    DeviceObservation device;
    if (auto violation = settle(&device))
        return violation;
    if (device.locked) {
        if (auto violation = perform("unlock"); violation || (violation = settle(&device)))
            return violation;
    }
    for (int answered = 0; answered < kMostAlertsAnswered && !device.alertButtons.empty(); ++answered) {
        if (auto violation = perform("answer \"" + device.alertButtons[0] + "\""); violation || (violation = settle(&device)))
            return violation;
    }
    if (device.switcherShown) {
        if (auto violation = perform("switcher home"); violation || (violation = settle(&device)))
            return violation;
    }
    if (device.keyboardShown) {
        if (auto violation = perform("keyboard hide"); violation || (violation = settle(&device)))
            return violation;
    }
    for (int press = 0; press < 2 && !onHomeScreenUndimmed(device); ++press) {
        if (auto violation = perform("home"); violation || (violation = settle(&device)))
            return violation;
    }
    if (!onHomeScreenUndimmed(device))
        return Violation { "no way out: after unlocking, answering the alerts and two presses of home, the home screen does not show undimmed" };
    if (device.installed.empty())
        return std::nullopt;
    // A banner over the icons goes by itself.
    if (device.bannerShown) {
        if (auto violation = perform("wait 3.1"); violation || (violation = settle(&device)))
            return violation;
    }
    size_t const index = m_random.below(device.installed.size());
    std::string const expected = device.installed[index];
    CGRect const icon = compositor::homeScreenIconPlace(device.screen, index).icon;
    char tap[64];
    std::snprintf(tap, sizeof tap, "tap %.0f %.0f", icon.origin.x + icon.size.width / 2, icon.origin.y + icon.size.height / 2);
    if (auto violation = perform(tap); violation || (violation = settle(&device)))
        return violation;
    if (device.frontApplication != expected)
        return Violation { "no way out: a tap on the icon of " + expected + " did not open it" };
    return std::nullopt;
}

std::optional<Violation> Soak::checkGrowth(long event)
{
    ResourceUse use;
    std::string error;
    if (!readResourceUse(&use, &error))
        return Violation { error };
    systemlog::write(kCFLogLevelNotice,
        "drawlet-sim: soak: after " + std::to_string(event) + " events, " + std::to_string(use.fileDescriptors) + " file descriptors, "
            + std::to_string(use.mappings) + " mappings, " + std::to_string(use.residentKilobytes) + " kB resident");
    if (!m_warmedUp) {
        m_warmedUp = use;
        return std::nullopt;
    }
    if (auto reason = sim::checkGrowth(*m_warmedUp, use))
        return Violation { *reason };
    return std::nullopt;
}

int Soak::report(long event, const Violation& violation)
{
    DeviceObservation const device = observeDevice(m_windows);
    std::string const text = "soak: violation at event " + std::to_string(event) + " of seed " + std::to_string(m_options.seed) + ": "
        + violation.invariant + "\n" + describeObservation(device);
    systemlog::write(kCFLogLevelError, "drawlet-sim: " + violation.invariant);
    std::fprintf(stderr, "%s", text.c_str());
    if (!m_options.scriptPath.empty())
        std::fprintf(stderr, "soak: the events so far are in %s (replay with --script)\n", m_options.scriptPath.c_str());
    return 1;
}

int Soak::run()
{
    auto const start = std::chrono::steady_clock::now();
    if (!openScript())
        return 1;
    // Drawlet's panel is checked only when the library is in the shell.
    m_drawletLoaded = objc_getClass("ActivatorPopup") != nullptr || objc_getClass("RKVContextHostProvider") != nullptr;
    if (!m_drawletLoaded)
        systemlog::write(kCFLogLevelNotice, "drawlet-sim: soak: Drawlet's classes are not in the shell; its panel is not checked");
    m_runtimeErrorsBefore = runtime::runtimeErrorCount();

    for (long event = 1; event <= m_options.events; ++event) {
        if (endRequested()) {
            std::printf("soak: ended after %ld events, seed %llu\n", event - 1, static_cast<unsigned long long>(m_options.seed));
            std::fflush(stdout);
            return 1;
        }
        DeviceObservation device = observeDevice(m_windows);
        std::string const line = m_events.next(device);
        bool succeeded = false;
        std::optional<Violation> violation = perform(line, &succeeded);
        if (!violation) {
            std::vector<std::string> words;
            std::string error;
            if (splitScriptWords(line, &words, &error))
                m_settings.follow(words, succeeded);
            violation = settle(&device);
        }
        if (!violation)
            violation = checkInvariants(device);
        if (!violation && event % kWayOutEvery == 0)
            violation = wayOut();
        if (!violation && event % kGrowthEvery == 0)
            violation = checkGrowth(event);
        if (violation && !endRequested())
            return report(event, *violation);
    }
    double const seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("soak: %ld events, seed %llu, 0 violations, %.1f s\n", m_options.events, static_cast<unsigned long long>(m_options.seed), seconds);
    std::fflush(stdout);
    return 0;
}

}

int runSoak(const SoakOptions& options, ScriptContext& context)
{
    Soak soak(options, context);
    return soak.run();
}

}
