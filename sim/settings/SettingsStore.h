#pragma once
// The settings file of one home, edited as the settings pane edits it: read
// whole with the property-list library, one key changed, every other key kept
// as it was, written back atomically. A file that cannot be read is never
// overwritten. The shell is told separately (SettingsNotification.h).

#include "SettingsStatus.h"

#include "foundation/NSDictionary.h"

#include <string>

namespace settings {

class SettingsStore {
public:
    explicit SettingsStore(std::string home);

    const std::string& home() const { return m_home; }
    const std::string& path() const { return m_path; }

    // Every key, in file order; an empty dictionary when there is no file.
    Status read(Strong<NSDictionary>* settings) const;
    // NotFound when the key (or the whole file) is absent.
    Status get(const std::string& key, Strong<objc_object>* value) const;

    // `rawValue` typed as parseTypedValue types it. Setting the value a key
    // already holds (same type too) changes nothing.
    Status set(const std::string& key, const std::string& rawValue, bool forceString);
    Status setValue(const std::string& key, id value);
    // Removing an absent key succeeds and changes nothing.
    Status remove(const std::string& key);
    // Removes the file, so the next launch is a first launch.
    Status reset();

private:
    Status write(NSDictionary* settings);

    std::string m_home;
    std::string m_path;
};

}
