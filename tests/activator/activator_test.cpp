// Activator in a shell process of its own: what it remembers across loads,
// what it does with a settings file it cannot read, and which events reach a
// listener.
#include "activator/ActivatorClasses.h"
#include "dispatch/RunLoop.h"
#include "foundation/NSArray.h"
#include "foundation/NSHomeDirectory.h"
#include "foundation/SystemLog.h"
#include "runtime/AutoreleasePool.h"
#include "springboard/DeviceLock.h"
#include "springboard/SpringBoardClasses.h"
#include "support/ForkedTest.h"
#include "uikit/UIKit.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string makeHome()
{
    char pattern[] = "/tmp/drawlet-activator-test-XXXXXX";
    std::string home = mkdtemp(pattern);
    std::filesystem::create_directories(home + "/Library/Preferences");
    return home;
}

void setUpShell()
{
    systemlog::reset();
    systemlog::setWritesToStandardError(false);
    dispatch::RunLoop::main().reset(dispatch::RunLoop::ClockMode::Virtual);
    foundation::setHomeDirectory(makeHome());
    springboard::registerClasses();
    activator::registerClasses();
}

std::string fileBytes(const std::string& path)
{
    std::stringstream content;
    content << std::ifstream(path, std::ios::binary).rdbuf();
    return content.str();
}

id string(const char* text) { return NSString::make(text); }

id event(const char* name) { return send<id>(activator::LAEventClass(), "eventWithName:"_sel, string(name)); }

bool hasSeen(const char* name) { return send<bool>(static_cast<id>(LASharedActivator), "hasSeenListenerWithName:"_sel, string(name)); }

std::string assignedTo(const char* eventName)
{
    auto* name = send<NSString*>(static_cast<id>(LASharedActivator), "assignedListenerNameForEvent:"_sel, event(eventName));
    return name ? name->value : "(none)";
}

// A listener that takes events in the modes it is given and records them as
// "NAME MODE"; it marks each handled unless told not to.
std::vector<std::string> g_received;
std::vector<std::string> g_modes;
bool g_handles = true;

void receiveEvent(id, SEL, id, id received)
{
    auto* event = static_cast<LAEvent*>(received);
    g_received.push_back(event->name->value + " " + (event->mode ? event->mode->value : "nil"));
    send(received, "setHandled:"_sel, g_handles);
}

id compatibleModes(id, SEL, id, id)
{
    NSArray* modes = NSArray::array();
    for (auto const& mode : g_modes)
        modes->items.emplace_back(NSString::make(mode));
    return modes;
}

Class defineRecordingListener()
{
    Class defined = runtime::defineClass("RecordingListener", foundation::NSObjectClass(), nullptr);
    addMethod(defined, "activator:receiveEvent:"_sel, receiveEvent);
    addMethod(defined, "activator:requiresCompatibleEventModesForListenerWithName:"_sel, compatibleModes);
    return defined;
}

void registerRecordingListener(const char* name)
{
    static Class cls = defineRecordingListener();
    auto listener = adopt(send<id>(send<id>(cls, "alloc"_sel), "init"_sel));
    send(static_cast<id>(LASharedActivator), "registerListener:forName:"_sel, listener.get(), string(name));
}

}

FORKED_TEST(Activator, ANameRegisteredDuringTheLoadIsSeenOnceTheLoadHasFinishedAndAfterARestart)
{
    AutoreleasePool pool;
    setUpShell();
    registerRecordingListener("com.example.first");
    EXPECT_FALSE(hasSeen("com.example.first")) << "the first load after installation";
    send(static_cast<id>(LASharedActivator), "assignEvent:toListenerWithName:"_sel, event("com.example.event"), string("com.example.first"));
    EXPECT_FALSE(std::filesystem::exists(activator::ActivatorPreferences::path())) << "nothing written before the load has finished";
    activator::finishLoading();
    EXPECT_TRUE(hasSeen("com.example.first"));
    registerRecordingListener("com.example.late");
    EXPECT_TRUE(hasSeen("com.example.late")) << "registered after the load";

    // A restarted shell reads what the file kept.
    activator::reset();
    activator::finishLoading();
    EXPECT_TRUE(hasSeen("com.example.first"));
    EXPECT_TRUE(hasSeen("com.example.late"));
    EXPECT_FALSE(hasSeen("com.example.never"));
    EXPECT_EQ(assignedTo("com.example.event"), "com.example.first");
    send(static_cast<id>(LASharedActivator), "unassignEvent:"_sel, event("com.example.event"));
    activator::reset();
    activator::finishLoading();
    EXPECT_EQ(assignedTo("com.example.event"), "(none)") << "no event at all is a choice that lasts too";
}

FORKED_TEST(Activator, ASettingsFileItCannotReadIsLeftAsItIs)
{
    AutoreleasePool pool;
    setUpShell();
    std::string const path = activator::ActivatorPreferences::path();
    std::ofstream(path, std::ios::binary) << "<plist><dict><key>LAAssignments</key>";
    registerRecordingListener("com.example.listener");
    send(static_cast<id>(LASharedActivator), "assignEvent:toListenerWithName:"_sel, event("com.example.event"), string("com.example.listener"));
    activator::finishLoading();

    EXPECT_EQ(assignedTo("com.example.event"), "com.example.listener") << "kept while the shell runs";
    EXPECT_EQ(fileBytes(path), "<plist><dict><key>LAAssignments</key>");
    auto const messages = systemlog::capturedMessages();
    EXPECT_EQ(std::count_if(messages.begin(), messages.end(), [](auto const& line) { return line.starts_with("activator: cannot read "); }), 1);
}

FORKED_TEST(Activator, AnEventReachesItsListenerInTheModesTheListenerTakes)
{
    AutoreleasePool pool;
    setUpShell();
    uikit::launchApplication(springboard::SpringBoardClass());
    registerRecordingListener("com.example.listener");
    activator::finishLoading();
    send(static_cast<id>(LASharedActivator), "assignEvent:toListenerWithName:"_sel, event(activator::kLockShortHoldEvent), string("com.example.listener"));

    g_modes = { "springboard", "lockscreen" };
    EXPECT_TRUE(activator::sendEvent(activator::kLockShortHoldEvent));
    EXPECT_FALSE(activator::sendEvent(activator::kStatusBarDoubleTapEvent)) << "assigned to no listener";

    // An application in front: a mode this listener does not take.
    auto* shell = static_cast<SpringBoard*>(uikit::sharedApplication());
    SBApplication* notes = SBApplication::make("com.drawlet.demo.notes", "Notes");
    shell->frontMostApplication = notes;
    EXPECT_FALSE(activator::sendEvent(activator::kLockShortHoldEvent));

    // Unhandled, the short hold locks as a press does; locked, the mode is the
    // lock screen's.
    g_modes = { "springboard", "lockscreen", "application" };
    g_handles = false;
    activator::fireDeviceEvent(activator::kLockShortHoldEvent);
    EXPECT_TRUE(springboard::isDeviceLocked());
    g_handles = true;
    activator::fireDeviceEvent(activator::kLockShortHoldEvent);
    EXPECT_EQ(g_received, (std::vector<std::string> { "libactivator.lock.hold.short springboard", "libactivator.lock.hold.short application", "libactivator.lock.hold.short lockscreen" }));
}
