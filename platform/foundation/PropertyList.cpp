#include "PropertyList.h"
#include "DevicePath.h"
#include "PropertyListConversion.h"
#include "PropertyListGuards.h"
#include "SystemLog.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace foundation {

namespace {

std::string lastSystemError() { return std::strerror(errno); }

class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {
    }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return m_fd; }
    // Closes now, reporting a failed close (a write the disk refused late).
    bool close()
    {
        int const fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

// The whole file, refusing anything that is not a regular file of at most the
// size cap. Opened non-blocking so that a FIFO in the file's place cannot hang
// the reader.
bool readFile(const std::string& path, std::vector<uint8_t>* bytes, std::string* error)
{
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.get() < 0) {
        *error = lastSystemError();
        return false;
    }
    struct stat status { };
    if (::fstat(file.get(), &status) != 0) {
        *error = lastSystemError();
        return false;
    }
    if (S_ISDIR(status.st_mode)) {
        *error = "is a directory";
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        *error = "not a regular file";
        return false;
    }
    std::string const tooLarge = "larger than " + std::to_string(kMaximumPropertyListBytes) + " bytes";
    if (static_cast<uint64_t>(status.st_size) > kMaximumPropertyListBytes) {
        *error = tooLarge;
        return false;
    }
    // Room for the size fstat gave and one byte more, growing up to one byte
    // past the cap: the file may have grown since fstat. Sized to the file, not
    // the cap, since the shell reads the settings on every change.
    size_t const limit = kMaximumPropertyListBytes + 1;
    bytes->resize(std::min<size_t>(static_cast<size_t>(status.st_size) + 1, limit));
    size_t done = 0;
    while (done < limit) {
        if (done == bytes->size())
            bytes->resize(std::min(limit, bytes->size() * 2));
        ssize_t const n = ::read(file.get(), bytes->data() + done, bytes->size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *error = lastSystemError();
            return false;
        }
        if (n == 0)
            break;
        done += static_cast<size_t>(n);
    }
    if (done > kMaximumPropertyListBytes) {
        *error = tooLarge;
        return false;
    }
    bytes->resize(done);
    return true;
}

// A parsed tree, or null with the reason. libplist only ever sees bytes the
// guards have passed.
plistconvert::Node parse(const uint8_t* bytes, size_t length, std::string* error)
{
    if (length == 0) {
        *error = "empty file";
        return nullptr;
    }
    if (length > kMaximumPropertyListBytes) {
        *error = "larger than " + std::to_string(kMaximumPropertyListBytes) + " bytes";
        return nullptr;
    }
    bool const binary = plistguard::isBinary(bytes, length);
    *error = binary ? plistguard::checkBinary(bytes, length) : plistguard::checkXml(bytes, length);
    if (!error->empty())
        return nullptr;
    plist_t root = nullptr;
    // libplist's XML reader expects the text to end with a NUL.
    std::string text(reinterpret_cast<const char*>(bytes), length);
    if (binary)
        plist_from_bin(text.data(), static_cast<uint32_t>(length), &root);
    else
        plist_from_xml(text.data(), static_cast<uint32_t>(length), &root);
    if (!root)
        *error = "not a property list";
    return plistconvert::Node(root);
}

bool writeAllBytes(int fd, const std::vector<uint8_t>& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t const n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

bool encode(id object, bool allowXml, std::vector<uint8_t>* bytes, std::string* error)
{
    plistconvert::Encoding encoding;
    auto root = plistconvert::nodeFromObject(object, &encoding, error);
    if (!root)
        return false;
    char* output = nullptr;
    uint32_t length = 0;
    if (allowXml && !encoding.needsBinary) {
        plist_to_xml(root.get(), &output, &length);
        bytes->assign(output, output + (output ? length : 0));
        plist_to_xml_free(output);
    } else {
        plist_to_bin(root.get(), &output, &length);
        bytes->assign(output, output + (output ? length : 0));
        plist_to_bin_free(output);
    }
    if (bytes->empty()) {
        *error = "the property-list library produced nothing";
        return false;
    }
    return true;
}

std::string folderOf(const std::string& path)
{
    auto const slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A temporary file beside the target, created with the mode a new file would
// get (the umask applies) or the mode of the file it replaces.
int createTemporaryFile(const std::string& path, std::string* temporaryPath, std::string* error)
{
    std::string const folder = folderOf(path);
    std::string const name = path.substr(path.rfind('/') == std::string::npos ? 0 : path.rfind('/') + 1);
    struct stat existing { };
    bool const replacing = ::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
    static std::mt19937_64 random { std::random_device {}() };
    for (int attempt = 0; attempt < 100; ++attempt) {
        *temporaryPath = folder + "/." + name + "." + std::to_string(getpid()) + "." + std::to_string(random() % 1000000000);
        int const fd = ::open(temporaryPath->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            if (replacing)
                ::fchmod(fd, existing.st_mode & 07777);
            return fd;
        }
        if (errno != EEXIST)
            break;
    }
    *error = lastSystemError();
    return -1;
}

bool writeAtomically(const std::string& path, const std::vector<uint8_t>& bytes, std::string* error)
{
    std::string temporaryPath;
    FileDescriptor file(createTemporaryFile(path, &temporaryPath, error));
    if (file.get() < 0)
        return false;
    bool const written = writeAllBytes(file.get(), bytes) && ::fsync(file.get()) == 0;
    if (!written || !file.close() || ::rename(temporaryPath.c_str(), path.c_str()) != 0) {
        *error = lastSystemError();
        ::unlink(temporaryPath.c_str());
        return false;
    }
    // The rename itself reaches the disk with the folder.
    FileDescriptor folder(::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
    return true;
}

bool writeDirectly(const std::string& path, const std::vector<uint8_t>& bytes, std::string* error)
{
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0666));
    if (file.get() < 0 || !writeAllBytes(file.get(), bytes) || !file.close()) {
        *error = lastSystemError();
        return false;
    }
    return true;
}

}

NSDictionary* readPropertyListDictionary(const std::string& path, std::string* error)
{
    std::vector<uint8_t> bytes;
    if (!readFile(devicePath(path), &bytes, error))
        return nullptr;
    auto root = parse(bytes.data(), bytes.size(), error);
    if (!root)
        return nullptr;
    if (plist_get_node_type(root.get()) != PLIST_DICT) {
        *error = "root is not a dictionary";
        return nullptr;
    }
    return static_cast<NSDictionary*>(plistconvert::objectFromNode(root.get(), error));
}

NSDictionary* readPropertyListDictionary(const std::string& path)
{
    std::string error;
    auto* dictionary = readPropertyListDictionary(path, &error);
    if (!dictionary)
        systemlog::write(kCFLogLevelWarning, "plist: cannot read " + path + ": " + error);
    return dictionary;
}

bool writePropertyListDictionary(NSDictionary* dictionary, const std::string& path, bool atomically, std::string* error)
{
    if (!isKindOf(dictionary, NSDictionaryClass())) {
        *error = "not a dictionary";
        return false;
    }
    std::vector<uint8_t> bytes;
    if (!encode(dictionary, true, &bytes, error))
        return false;
    std::string const hostPath = devicePath(path);
    return atomically ? writeAtomically(hostPath, bytes, error) : writeDirectly(hostPath, bytes, error);
}

bool writePropertyListDictionary(NSDictionary* dictionary, const std::string& path, bool atomically)
{
    std::string error;
    if (writePropertyListDictionary(dictionary, path, atomically, &error))
        return true;
    systemlog::write(kCFLogLevelWarning, "plist: cannot write " + path + ": " + error);
    return false;
}

id decodePropertyList(const uint8_t* bytes, size_t length, std::string* error)
{
    std::string reason;
    auto root = parse(bytes, length, &reason);
    id object = root ? plistconvert::objectFromNode(root.get(), &reason) : nullptr;
    if (!object && error)
        *error = reason == "empty file" ? "empty" : reason;
    return object;
}

std::vector<uint8_t> encodePropertyListBinary(id object)
{
    std::vector<uint8_t> bytes;
    std::string error;
    if (!encode(object, false, &bytes, &error))
        return {};
    return bytes;
}

bool isPropertyListText(std::string_view text)
{
    size_t i = 0;
    while (i < text.size()) {
        auto const c = static_cast<unsigned char>(text[i]);
        if (c == 0)
            return false;
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t length = 0;
        uint32_t codePoint = 0;
        if ((c & 0xE0) == 0xC0) {
            length = 2;
            codePoint = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3;
            codePoint = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4;
            codePoint = c & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k) {
            auto const next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        static constexpr uint32_t smallest[] = { 0, 0, 0x80, 0x800, 0x10000 };
        if (codePoint < smallest[length] || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

}
