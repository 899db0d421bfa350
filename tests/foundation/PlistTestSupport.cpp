#include "PlistTestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace plisttest {

ScratchFolder::ScratchFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "plist-test-XXXXXX").string();
    char* made = mkdtemp(pattern.data());
    if (!made)
        throw std::runtime_error("mkdtemp failed");
    m_path = made;
}

ScratchFolder::~ScratchFolder()
{
    // Give back permissions a test took away, so everything can be removed.
    std::error_code error;
    for (auto const& entry : std::filesystem::recursive_directory_iterator(m_path, error))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(m_path, error);
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string readBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

std::vector<std::string> folderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    for (auto const& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

FileStamp stampOf(const std::string& path)
{
    struct stat status { };
    if (::stat(path.c_str(), &status) != 0)
        return {};
    FileStamp stamp;
    if (S_ISREG(status.st_mode))
        stamp.bytes = readBytes(path);
    stamp.modifiedNanoseconds = int64_t { status.st_mtim.tv_sec } * 1000000000 + status.st_mtim.tv_nsec;
    return stamp;
}

std::vector<uint8_t> BinaryBuilder::marker(uint8_t type, size_t count) const
{
    if (count < 15)
        return { static_cast<uint8_t>(type << 4 | count) };
    return { static_cast<uint8_t>(type << 4 | 0xF), 0x11, static_cast<uint8_t>(count >> 8), static_cast<uint8_t>(count) };
}

size_t BinaryBuilder::addRaw(std::vector<uint8_t> object)
{
    m_objects.push_back(std::move(object));
    m_refs.emplace_back();
    return m_objects.size() - 1;
}

size_t BinaryBuilder::addBool(bool value) { return addRaw({ static_cast<uint8_t>(value ? 0x09 : 0x08) }); }

size_t BinaryBuilder::addInteger(int64_t value)
{
    std::vector<uint8_t> object { 0x13 };
    for (int shift = 56; shift >= 0; shift -= 8)
        object.push_back(static_cast<uint8_t>(static_cast<uint64_t>(value) >> shift));
    return addRaw(object);
}

size_t BinaryBuilder::addString(const std::string& ascii)
{
    auto object = marker(0x5, ascii.size());
    object.insert(object.end(), ascii.begin(), ascii.end());
    return addRaw(object);
}

size_t BinaryBuilder::addArray(const std::vector<size_t>& items)
{
    size_t index = addRaw({});
    setArray(index, items);
    return index;
}

void BinaryBuilder::setArray(size_t index, const std::vector<size_t>& items)
{
    m_objects[index] = marker(0xA, items.size());
    m_refs[index] = items;
}

size_t BinaryBuilder::addDictionary(const std::vector<size_t>& keys, const std::vector<size_t>& values)
{
    size_t index = addRaw(marker(0xD, keys.size()));
    m_refs[index] = keys;
    m_refs[index].insert(m_refs[index].end(), values.begin(), values.end());
    return index;
}

std::string BinaryBuilder::build(size_t root) const
{
    std::string out = "bplist00";
    std::vector<size_t> offsets;
    unsigned const refBytes = refSize();
    for (size_t i = 0; i < m_objects.size(); ++i) {
        offsets.push_back(out.size());
        out.append(m_objects[i].begin(), m_objects[i].end());
        for (size_t ref : m_refs[i]) {
            if (refBytes == 2)
                out.push_back(static_cast<char>(ref >> 8));
            out.push_back(static_cast<char>(ref));
        }
    }
    size_t const tableOffset = out.size();
    unsigned const offsetBytes = tableOffset > 0xFFFF ? 4 : 2;
    for (size_t offset : offsets) {
        for (int shift = static_cast<int>(offsetBytes - 1) * 8; shift >= 0; shift -= 8)
            out.push_back(static_cast<char>(offset >> shift));
    }
    std::string trailer(32, '\0');
    trailer[6] = static_cast<char>(offsetBytes);
    trailer[7] = static_cast<char>(refBytes);
    auto put = [&](size_t at, uint64_t value) {
        for (int i = 7; i >= 0; --i, value >>= 8)
            trailer[at + static_cast<size_t>(i)] = static_cast<char>(value & 0xFF);
    };
    put(8, m_objects.size());
    put(16, root);
    put(24, tableOffset);
    return out + trailer;
}

::testing::AssertionResult sameValue(id expected, id actual)
{
    using foundation::isKindOf;
    if (!expected || !actual) {
        if (expected == actual)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << foundation::describe(expected) << " vs " << foundation::describe(actual);
    }
    if (isKindOf(expected, foundation::NSStringClass()) && isKindOf(actual, foundation::NSStringClass())) {
        if (static_cast<NSString*>(expected)->value == static_cast<NSString*>(actual)->value)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "string \"" << static_cast<NSString*>(expected)->value << "\" vs \"" << static_cast<NSString*>(actual)->value << "\"";
    }
    if (isKindOf(expected, foundation::NSNumberClass()) && isKindOf(actual, foundation::NSNumberClass())) {
        auto* a = static_cast<NSNumber*>(expected);
        auto* b = static_cast<NSNumber*>(actual);
        if (a->kind == b->kind && a->integer == b->integer && a->doubleValue() == b->doubleValue())
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "number " << foundation::describe(a) << " (kind " << static_cast<int>(a->kind) << ") vs " << foundation::describe(b) << " (kind " << static_cast<int>(b->kind) << ")";
    }
    if (isKindOf(expected, foundation::NSDataClass()) && isKindOf(actual, foundation::NSDataClass())) {
        if (static_cast<NSData*>(expected)->bytes == static_cast<NSData*>(actual)->bytes)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "data differs";
    }
    if (isKindOf(expected, foundation::NSDateClass()) && isKindOf(actual, foundation::NSDateClass())) {
        double a = static_cast<NSDate*>(expected)->timeIntervalSinceReferenceDate;
        double b = static_cast<NSDate*>(actual)->timeIntervalSinceReferenceDate;
        if (std::abs(a - b) < 1e-6)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "date " << a << " vs " << b;
    }
    if (isKindOf(expected, foundation::NSArrayClass()) && isKindOf(actual, foundation::NSArrayClass())) {
        auto const& a = static_cast<NSArray*>(expected)->items;
        auto const& b = static_cast<NSArray*>(actual)->items;
        if (a.size() != b.size())
            return ::testing::AssertionFailure() << "array of " << a.size() << " vs " << b.size();
        for (size_t i = 0; i < a.size(); ++i) {
            if (auto result = sameValue(a[i], b[i]); !result)
                return result << " at index " << i;
        }
        return ::testing::AssertionSuccess();
    }
    if (isKindOf(expected, foundation::NSDictionaryClass()) && isKindOf(actual, foundation::NSDictionaryClass())) {
        auto* a = static_cast<NSDictionary*>(expected);
        auto* b = static_cast<NSDictionary*>(actual);
        if (a->entries.size() != b->entries.size())
            return ::testing::AssertionFailure() << "dictionary of " << a->entries.size() << " vs " << b->entries.size();
        for (auto const& [key, value] : a->entries) {
            if (auto result = sameValue(value, b->objectForKey(key->value)); !result)
                return result << " for key " << key->value;
        }
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << class_getName(expected->isa) << " vs " << class_getName(actual->isa);
}

std::vector<std::string> logLines()
{
    return systemlog::capturedMessages();
}

}
