#include "ApplicationProcesses.h"
#include "scene/SceneProtocol.h"

#include "dispatch/RunLoop.h"
#include "foundation/SystemLog.h"
#include "notifications/Bus.h"
#include "notifications/BusSession.h"
#include "uikit/UIScreen.h"

#include <sdbus-c++/sdbus-c++.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace frontboard {

namespace {

ApplicationProcesses*& processesInstance()
{
    static ApplicationProcesses* processes = nullptr;
    return processes;
}

const char* commandFor(SceneState scene)
{
    return scene == SceneState::Foreground ? scene::wire::kForegroundCommand : scene::wire::kBackgroundCommand;
}

// A death this soon after the launch counts as dying at launch.
constexpr int64_t kQuickDeathNanoseconds = 2'000'000'000;
constexpr int kQuickDeathsBeforeWaiting = 3;
constexpr int64_t kFirstWaitNanoseconds = 1'000'000'000;
constexpr int64_t kLongestWaitNanoseconds = 30'000'000'000;

std::string describeExit(int status)
{
    if (WIFEXITED(status))
        return "exited with status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return std::string("was ended by signal ") + std::to_string(WTERMSIG(status)) + " (" + strsignal(WTERMSIG(status)) + ")";
    return "ended";
}

// The child's side of a launch: dies with the shell, then becomes the program.
[[noreturn]] void becomeApplication(pid_t shell, const std::vector<std::string>& arguments)
{
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != shell)
        _exit(127);
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (auto const& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    // Only async-signal-safe calls after fork.
    static const char message[] = "frontboard: cannot run the application program\n";
    ssize_t ignored = write(STDERR_FILENO, message, sizeof message - 1);
    (void)ignored;
    _exit(127);
}

}

ApplicationProcesses& ApplicationProcesses::shared()
{
    auto*& processes = processesInstance();
    if (!processes)
        processes = new ApplicationProcesses;
    return *processes;
}

void ApplicationProcesses::reset()
{
    auto*& processes = processesInstance();
    if (!processes)
        return;
    processes->terminateAll();
    delete processes;
    processes = nullptr;
}

ApplicationProcess* ApplicationProcesses::find(const std::string& bundleIdentifier)
{
    auto it = m_processes.find(bundleIdentifier);
    return it == m_processes.end() ? nullptr : &it->second;
}

void ApplicationProcesses::reapExited()
{
    std::vector<std::pair<std::string, pid_t>> ended;
    for (auto it = m_processes.begin(); it != m_processes.end();) {
        int status = 0;
        if (waitpid(it->second.pid, &status, WNOHANG) != it->second.pid) {
            ++it;
            continue;
        }
        CFLog(kCFLogLevelNotice, "frontboard: %s %s", it->second.label().c_str(), describeExit(status).c_str());
        noteEnd(it->first, it->second.launchedAtNanoseconds);
        ended.emplace_back(it->first, it->second.pid);
        it = m_processes.erase(it);
    }
    // Once the list is settled: an observer may ask after other processes.
    for (auto const& [bundleIdentifier, pid] : ended)
        tellStateObservers(bundleIdentifier, pid, ApplicationState::NotRunning);
}

void ApplicationProcesses::noteEnd(const std::string& bundleIdentifier, int64_t launchedAtNanoseconds)
{
    int64_t const now = dispatch::RunLoop::main().nowNanoseconds();
    if (now - launchedAtNanoseconds >= kQuickDeathNanoseconds) {
        m_quickDeaths.erase(bundleIdentifier);
        return;
    }
    auto& deaths = m_quickDeaths[bundleIdentifier];
    if (++deaths.count < kQuickDeathsBeforeWaiting)
        return;
    bool const first = deaths.waitNanoseconds == 0;
    deaths.waitNanoseconds = first ? kFirstWaitNanoseconds : std::min(deaths.waitNanoseconds * 2, kLongestWaitNanoseconds);
    deaths.notBeforeNanoseconds = now + deaths.waitNanoseconds;
    if (first)
        CFLog(kCFLogLevelNotice, "frontboard: %s died within 2 s of each of its last %d launches; it waits before each launch from now on, %.0f s at first",
            bundleIdentifier.c_str(), deaths.count, static_cast<double>(deaths.waitNanoseconds) / 1e9);
}

bool ApplicationProcesses::mustWaitBeforeLaunching(const std::string& bundleIdentifier, std::string* error)
{
    auto it = m_quickDeaths.find(bundleIdentifier);
    if (it == m_quickDeaths.end() || it->second.waitNanoseconds == 0)
        return false;
    int64_t const now = dispatch::RunLoop::main().nowNanoseconds();
    if (now >= it->second.notBeforeNanoseconds)
        return false;
    char text[160];
    std::snprintf(text, sizeof text, "it died soon after each of its last %d launches; the next launch waits %.3f s more", it->second.count,
        static_cast<double>(it->second.notBeforeNanoseconds - now) / 1e9);
    *error = text;
    return true;
}

void ApplicationProcesses::tellStateObservers(const std::string& bundleIdentifier, pid_t pid, ApplicationState state)
{
    auto const observers = m_stateObservers;
    for (auto const& observer : observers)
        observer(bundleIdentifier, pid, state);
}

bool ApplicationProcesses::listenForReady()
{
    if (m_listening)
        return true;
    auto* connection = notifications::BusSession::connection();
    if (!connection)
        return false;
    m_listening = connection->handleSignal(
                      scene::wire::kReadyMember, notifications::BusConnection::Addressing::Broadcast,
                      [this](sdbus::Message& message) { readyArrived(message); }, true)
        && connection->handleSignal(
            scene::wire::kFrameMember, notifications::BusConnection::Addressing::Broadcast,
            [this](sdbus::Message& message) { frameArrived(message); }, true);
    return m_listening;
}

void ApplicationProcesses::readyArrived(sdbus::Message& message)
{
    std::string bundleIdentifier;
    int32_t pid = 0;
    sdbus::UnixFd frames;
    int32_t width = 0;
    int32_t height = 0;
    message >> bundleIdentifier >> pid >> frames >> width >> height;
    if (!message)
        return;
    auto* process = find(bundleIdentifier);
    if (!process || process->pid != pid) {
        CFLog(kCFLogLevelError, "frontboard: ignored a ready report from %s[%d], which this shell did not start", bundleIdentifier.c_str(), pid);
        return;
    }
    std::string error;
    auto buffer = quartz::SharedFrameBuffer::map(frames.get(), &error);
    // Applications make their frames' memory for the screen held upright; a
    // turned frame has the same number of pixels.
    CGSize const screen = uikit::mainScreenPortraitSize();
    double const scale = uikit::mainScreenScale();
    long const screenWidth = std::lround(screen.width * scale);
    long const screenHeight = std::lround(screen.height * scale);
    if (buffer && (buffer->width() != width || buffer->height() != height))
        error = "their header does not match the size announced";
    else if (buffer && (width != screenWidth || height != screenHeight))
        error = "they are " + std::to_string(width) + "x" + std::to_string(height) + " pixels, not the screen's " + std::to_string(screenWidth) + "x"
            + std::to_string(screenHeight);
    if (!error.empty()) {
        CFLog(kCFLogLevelError, "frontboard: %s reported frames the shell cannot show (%s); it is shown blank", process->label().c_str(), error.c_str());
        buffer.reset();
    }
    process->frames = std::move(buffer);
    process->uniqueName = message.getSender();
    process->ready = true;
    if (dispatch::RunLoop::main().clockMode() != dispatch::RunLoop::ClockMode::Virtual)
        return;
    notifications::addClockParticipant(process->uniqueName, process->label(), [this, bundleIdentifier, pid = process->pid] {
        reapExited();
        auto* running = find(bundleIdentifier);
        return running && running->pid == pid;
    });
}

void ApplicationProcesses::frameArrived(sdbus::Message& message)
{
    std::string bundleIdentifier;
    uint64_t count = 0;
    message >> bundleIdentifier >> count;
    auto* process = find(bundleIdentifier);
    // Only the process the shell started speaks for its application.
    if (!message || !process || process->uniqueName != message.getSender())
        return;
    process->announcedFrames = count;
}

uint64_t ApplicationProcesses::announcedFrameCount(const std::string& bundleIdentifier)
{
    auto* process = find(bundleIdentifier);
    return process ? process->announcedFrames : 0;
}

bool ApplicationProcesses::waitUntilReady(const std::string& bundleIdentifier, std::string* error)
{
    using Clock = std::chrono::steady_clock;
    int const timeout = notifications::BusConnection::replyTimeoutMilliseconds();
    auto const deadline = Clock::now() + std::chrono::milliseconds(timeout);
    pid_t const pid = find(bundleIdentifier)->pid;
    for (;;) {
        auto* connection = notifications::BusSession::connection();
        if (!connection) {
            *error = "the shell lost the bus";
            break;
        }
        connection->pump(50);
        reapExited();
        auto* process = find(bundleIdentifier);
        if (!process || process->pid != pid) {
            *error = "it ended before it was ready";
            return false;
        }
        if (process->ready)
            return true;
        if (Clock::now() >= deadline) {
            *error = "it did not report ready within " + std::to_string(timeout) + " ms";
            break;
        }
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    m_processes.erase(bundleIdentifier);
    return false;
}

bool ApplicationProcesses::launch(const std::string& bundleIdentifier, SceneState scene, std::string* error)
{
    reapExited();
    if (auto* running = find(bundleIdentifier)) {
        // It lived past its launch: its earlier quick deaths are forgiven.
        if (dispatch::RunLoop::main().nowNanoseconds() - running->launchedAtNanoseconds >= kQuickDeathNanoseconds)
            m_quickDeaths.erase(bundleIdentifier);
        return true;
    }
    if (mustWaitBeforeLaunching(bundleIdentifier, error))
        return false;
    if (m_launcher.program.empty()) {
        *error = "no program to launch applications with";
        return false;
    }
    if (!listenForReady()) {
        *error = "the shell is not on a bus";
        return false;
    }
    std::vector<std::string> arguments { m_launcher.programFor(bundleIdentifier), bundleIdentifier };
    arguments.insert(arguments.end(), m_launcher.arguments.begin(), m_launcher.arguments.end());
    if (scene == SceneState::Background)
        arguments.push_back("--background");

    std::fflush(nullptr);
    pid_t const shell = getpid();
    pid_t const pid = fork();
    if (pid < 0) {
        *error = std::string("cannot start a process: ") + std::strerror(errno);
        return false;
    }
    if (pid == 0)
        becomeApplication(shell, arguments);

    ApplicationProcess process;
    process.bundleIdentifier = bundleIdentifier;
    process.pid = pid;
    process.scene = scene;
    process.launchedAtNanoseconds = dispatch::RunLoop::main().nowNanoseconds();
    process.exitWatch = ProcessExitWatch::start(pid, [] {
        if (auto* processes = processesInstance())
            processes->reapExited();
    });
    m_processes.emplace(bundleIdentifier, std::move(process));
    if (!waitUntilReady(bundleIdentifier, error))
        return false;
    CFLog(kCFLogLevelNotice, "frontboard: launched %s", find(bundleIdentifier)->label().c_str());
    return true;
}

void ApplicationProcesses::sendLater(const std::string& bundleIdentifier, const char* member, std::function<void(sdbus::Message&)> fill)
{
    dispatch::RunLoop::main().post([this, bundleIdentifier, member, fill = std::move(fill), pid = find(bundleIdentifier)->pid] {
        auto* process = find(bundleIdentifier);
        auto* connection = notifications::BusSession::connection();
        if (!process || process->pid != pid || !process->ready || !connection)
            return;
        connection->sendSignal(member, process->uniqueName, fill, true);
    });
}

void ApplicationProcesses::sendSceneCommandLater(const std::string& bundleIdentifier, const char* command)
{
    sendLater(bundleIdentifier, scene::wire::kSceneMember, [command](sdbus::Message& message) { message << std::string(command); });
}

bool ApplicationProcesses::setSceneState(const std::string& bundleIdentifier, SceneState scene)
{
    reapExited();
    auto* process = find(bundleIdentifier);
    if (!process)
        return false;
    process->scene = scene;
    sendSceneCommandLater(bundleIdentifier, commandFor(scene));
    tellStateObservers(bundleIdentifier, process->pid, scene == SceneState::Foreground ? ApplicationState::Foreground : ApplicationState::Background);
    return true;
}

bool ApplicationProcesses::activate(const std::string& bundleIdentifier, std::string* error)
{
    if (!launch(bundleIdentifier, SceneState::Foreground, error))
        return false;
    auto* process = find(bundleIdentifier);
    process->scene = SceneState::Foreground;
    sendSceneCommandLater(bundleIdentifier, scene::wire::kActivateCommand);
    tellStateObservers(bundleIdentifier, process->pid, ApplicationState::Foreground);
    return true;
}

bool ApplicationProcesses::sendToApplication(const std::string& bundleIdentifier, pid_t pid, const std::string& member,
    const std::function<void(sdbus::Message&)>& fill)
{
    reapExited();
    auto* process = find(bundleIdentifier);
    auto* connection = notifications::BusSession::connection();
    if (!process || process->pid != pid || !process->ready || !connection)
        return false;
    return connection->sendSignal(member, process->uniqueName, fill, true) == notifications::BusConnection::SendResult::Sent;
}

pid_t ApplicationProcesses::processSpeakingFor(const std::string& bundleIdentifier, const std::string& sender)
{
    auto* process = find(bundleIdentifier);
    if (!process || !process->ready || process->uniqueName != sender)
        return 0;
    return process->pid;
}

bool ApplicationProcesses::sendTouch(const std::string& bundleIdentifier, pid_t pid, const scene::SceneTouch& touch)
{
    reapExited();
    auto* process = find(bundleIdentifier);
    auto* connection = notifications::BusSession::connection();
    if (!process || process->pid != pid || !process->ready || !connection)
        return false;
    auto const result = connection->sendSignal(
        scene::wire::kTouchMember, process->uniqueName, [&](sdbus::Message& message) { scene::writeSceneTouch(message, touch); }, true);
    return result == notifications::BusConnection::SendResult::Sent;
}

ApplicationState ApplicationProcesses::state(const std::string& bundleIdentifier)
{
    reapExited();
    auto* process = find(bundleIdentifier);
    if (!process)
        return ApplicationState::NotRunning;
    return process->scene == SceneState::Foreground ? ApplicationState::Foreground : ApplicationState::Background;
}

pid_t ApplicationProcesses::processIdentifier(const std::string& bundleIdentifier)
{
    reapExited();
    auto* process = find(bundleIdentifier);
    return process ? process->pid : 0;
}

cairo_surface_t* ApplicationProcesses::copyLastFrame(const std::string& bundleIdentifier)
{
    reapExited();
    auto* process = find(bundleIdentifier);
    if (!process || !process->frames)
        return nullptr;
    return process->frames->copyLatestFrame();
}

cairo_surface_t* ApplicationProcesses::takeLatestFrame(const std::string& bundleIdentifier)
{
    auto* process = find(bundleIdentifier);
    if (!process || !process->frames)
        return nullptr;
    return process->frames->takeLatestFrame();
}

quartz::SharedFrameBuffer* ApplicationProcesses::frames(const std::string& bundleIdentifier)
{
    auto* process = find(bundleIdentifier);
    return process ? process->frames.get() : nullptr;
}

bool ApplicationProcesses::hasFrames(const std::string& bundleIdentifier)
{
    reapExited();
    auto* process = find(bundleIdentifier);
    return process && process->frames;
}

std::vector<std::string> ApplicationProcesses::runningBundleIdentifiers()
{
    reapExited();
    std::vector<std::string> identifiers;
    for (auto const& [identifier, process] : m_processes)
        identifiers.push_back(identifier);
    return identifiers;
}

bool ApplicationProcesses::killProcess(const std::string& bundleIdentifier)
{
    reapExited();
    auto* process = find(bundleIdentifier);
    if (!process)
        return false;
    pid_t const pid = process->pid;
    kill(pid, SIGKILL);
    // Waits for the end without reaping, so reapExited logs it as any end.
    siginfo_t info {};
    while (waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOWAIT) < 0 && errno == EINTR) {
    }
    reapExited();
    return true;
}

void ApplicationProcesses::terminateAll()
{
    for (auto& [identifier, process] : m_processes) {
        if (!process.uniqueName.empty())
            notifications::removeClockParticipant(process.uniqueName);
        kill(process.pid, SIGTERM);
        // A stopped process keeps a pending SIGTERM until it runs again.
        kill(process.pid, SIGCONT);
    }
    auto const deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    for (auto& [identifier, process] : m_processes) {
        for (;;) {
            if (waitpid(process.pid, nullptr, WNOHANG) != 0)
                break;
            if (std::chrono::steady_clock::now() >= deadline) {
                kill(process.pid, SIGKILL);
                waitpid(process.pid, nullptr, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    m_processes.clear();
}

bool ApplicationProcesses::setInterfaceOrientation(const std::string& bundleIdentifier, long orientation, double duration)
{
    reapExited();
    auto* process = find(bundleIdentifier);
    if (!process)
        return false;
    process->interfaceOrientation = orientation;
    sendOrientationLater(bundleIdentifier, orientation, duration);
    return true;
}

long ApplicationProcesses::interfaceOrientation(const std::string& bundleIdentifier)
{
    reapExited();
    auto* process = find(bundleIdentifier);
    return process ? process->interfaceOrientation : 0;
}

void ApplicationProcesses::sendOrientationLater(const std::string& bundleIdentifier, long orientation, double duration)
{
    sendLater(bundleIdentifier, scene::wire::kOrientationMember,
        [orientation, duration](sdbus::Message& message) { message << static_cast<int32_t>(orientation) << duration; });
}

bool ApplicationProcesses::openURL(const std::string& bundleIdentifier, const std::string& address)
{
    reapExited();
    if (!find(bundleIdentifier))
        return false;
    sendLater(bundleIdentifier, scene::wire::kOpenURLMember, [address](sdbus::Message& message) { message << address; });
    return true;
}

}
