#pragma once
// Activator's own settings file, HOME/Library/Preferences/libactivator.plist:
// which listener each event goes to, and the names of the listeners Activator
// has met. The shell's Activator alone reads and writes it.
//
//   <dict>
//     <key>LAAssignments</key>   <dict><key>EVENT</key><string>LISTENER</string>...</dict>
//     <key>LASeenListeners</key> <array><string>LISTENER</string>...</array>
//   </dict>
//
// The file is kept whole as read: keys and entries this code does not know,
// or cannot use (a listener that is not a string), are written back untouched.
// A file that cannot be read is logged once and never overwritten; changes are
// then kept until the shell ends, and lost after. Nothing is written until the
// shell's libraries have loaded (startWriting): a process where no load ends,
// or a library loaded outside the shell, leaves the home alone.

#include "foundation/NSArray.h"
#include "foundation/NSDictionary.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace activator {

class ActivatorPreferences {
public:
    static std::string path();

    // Reads the file: a missing one is an empty one.
    void read();

    std::optional<std::string> listenerForEvent(std::string_view event) const;
    // The events assigned to the listener, in the file's order.
    std::vector<std::string> eventsOfListener(std::string_view listener) const;
    bool hasSeen(std::string_view listener) const;

    // Once writing has started, each change is written at once (atomically);
    // false when it could not be.
    bool assign(std::string_view event, std::string_view listener);
    bool unassign(std::string_view event);
    bool markSeen(const std::vector<std::string>& listeners);
    // Writes what changed so far, and every change from now on.
    bool startWriting();

private:
    NSDictionary* assignments() const;
    NSArray* seenListeners() const;
    id section(const char* key, Class kind) const;
    bool save();

    Strong<NSDictionary> m_document;
    // Why the file could not be read; empty when it could (or is missing).
    std::string m_problem;
    bool m_writing = false;
    bool m_changed = false;
};

}
