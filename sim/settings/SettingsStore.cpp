#include "SettingsStore.h"
#include "SettingsPaths.h"
#include "TypedValue.h"

#include "foundation/NSNumber.h"
#include "foundation/NSString.h"
#include "foundation/PropertyList.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace settings {

namespace {

// The value stored is already this one (a boolean is not the integer 1).
bool holdsSameValue(id stored, id value)
{
    using foundation::isKindOf;
    if (isKindOf(stored, foundation::NSStringClass()) && isKindOf(value, foundation::NSStringClass()))
        return static_cast<NSString*>(stored)->value == static_cast<NSString*>(value)->value;
    if (isKindOf(stored, foundation::NSNumberClass()) && isKindOf(value, foundation::NSNumberClass())) {
        auto* a = static_cast<NSNumber*>(stored);
        auto* b = static_cast<NSNumber*>(value);
        return a->kind == b->kind && a->integer == b->integer && a->real == b->real;
    }
    return false;
}

}

SettingsStore::SettingsStore(std::string home)
    : m_home(std::move(home))
    , m_path(settingsFilePath(m_home))
{
}

Status SettingsStore::read(Strong<NSDictionary>* settings) const
{
    struct stat status { };
    if (::stat(m_path.c_str(), &status) != 0 && errno == ENOENT) {
        *settings = NSDictionary::mutableDictionary();
        return Status::done(false);
    }
    std::string error;
    auto* read = foundation::readPropertyListDictionary(m_path, &error);
    if (!read)
        return Status::refused("cannot read " + m_path + ": " + error + " (the file is left as it is)");
    *settings = read;
    return Status::done(false);
}

Status SettingsStore::get(const std::string& key, Strong<objc_object>* value) const
{
    Strong<NSDictionary> settings;
    if (auto status = read(&settings); !status.ok())
        return status;
    id found = settings->objectForKey(key);
    if (!found)
        return Status::notFound("no setting \"" + key + "\" in " + m_path);
    *value = found;
    return Status::done(false);
}

Status SettingsStore::set(const std::string& key, const std::string& rawValue, bool forceString)
{
    std::string error;
    id value = parseTypedValue(rawValue, forceString, &error);
    if (!value)
        return Status::refused("cannot store the value of \"" + key + "\": " + error);
    return setValue(key, value);
}

Status SettingsStore::setValue(const std::string& key, id value)
{
    if (key.empty())
        return Status::refused("a setting needs a name");
    if (!foundation::isPropertyListText(key))
        return Status::refused("a setting's name must be UTF-8 text");
    if (!value)
        return Status::refused("cannot store nothing under \"" + key + "\"");
    Strong<NSDictionary> settings;
    if (auto status = read(&settings); !status.ok())
        return status;
    if (holdsSameValue(settings->objectForKey(key), value))
        return Status::done(false);
    settings->setObject(value, NSString::make(key));
    return write(settings);
}

Status SettingsStore::remove(const std::string& key)
{
    Strong<NSDictionary> settings;
    if (auto status = read(&settings); !status.ok())
        return status;
    if (!settings->objectForKey(key))
        return Status::done(false);
    settings->removeObject(key);
    return write(settings);
}

Status SettingsStore::reset()
{
    struct stat status { };
    if (::lstat(m_path.c_str(), &status) != 0)
        return errno == ENOENT ? Status::done(false) : Status::refused("cannot remove " + m_path + ": " + std::strerror(errno));
    if (S_ISDIR(status.st_mode))
        return Status::refused("cannot remove " + m_path + ": it is a directory (left as it is)");
    if (::unlink(m_path.c_str()) != 0)
        return Status::refused("cannot remove " + m_path + ": " + std::strerror(errno));
    return Status::done(true);
}

Status SettingsStore::write(NSDictionary* settings)
{
    std::error_code folderError;
    std::filesystem::create_directories(preferencesFolder(m_home), folderError);
    if (folderError)
        return Status::refused("cannot create " + preferencesFolder(m_home) + ": " + folderError.message());
    std::string error;
    if (!foundation::writePropertyListDictionary(settings, m_path, true, &error))
        return Status::refused("cannot write " + m_path + ": " + error);
    return Status::done(true);
}

}
