#pragma once
// Shared by the property-list tests: a scratch folder, file helpers, a small
// binary property-list builder for hand-made (and broken) files, and a deep
// comparison of values that tells booleans, integers and reals apart.

#include "foundation/NSArray.h"
#include "foundation/NSData.h"
#include "foundation/NSDate.h"
#include "foundation/NSDictionary.h"
#include "foundation/NSNumber.h"
#include "foundation/NSString.h"
#include "foundation/SystemLog.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace plisttest {

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

void writeBytes(const std::string& path, const std::string& bytes);
std::string readBytes(const std::string& path);
std::vector<std::string> folderEntries(const std::string& folder);

// A file's content and modification time, to show that reading left it alone.
struct FileStamp {
    std::string bytes;
    int64_t modifiedNanoseconds = 0;
    bool operator==(const FileStamp&) const = default;
};
FileStamp stampOf(const std::string& path);

// Builds "bplist00" files object by object. Objects refer to each other by index,
// so cycles and bad references are easy to make on purpose.
class BinaryBuilder {
public:
    size_t addBool(bool value);
    size_t addInteger(int64_t value);
    size_t addString(const std::string& ascii);
    size_t addArray(const std::vector<size_t>& items);
    size_t addDictionary(const std::vector<size_t>& keys, const std::vector<size_t>& values);
    size_t addRaw(std::vector<uint8_t> object);
    // Array objects whose references are filled in later (for cycles).
    void setArray(size_t index, const std::vector<size_t>& items);

    std::string build(size_t root) const;

private:
    std::vector<uint8_t> marker(uint8_t type, size_t count) const;
    unsigned refSize() const { return m_objects.size() > 255 ? 2 : 1; }
    std::vector<std::vector<uint8_t>> m_objects;
    std::vector<std::vector<size_t>> m_refs; // references, written at build time
};

// Same classes, same number kinds, same values, all the way down.
::testing::AssertionResult sameValue(id expected, id actual);

// The messages the system log captured since the last reset.
std::vector<std::string> logLines();

}
