#include "PropertyListGuards.h"
#include "PropertyList.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

namespace foundation::plistguard {

namespace {

constexpr char kNotAPropertyList[] = "not a property list";
constexpr char kTooDeep[] = "too deeply nested";

// ---- Binary lists: "bplist00", objects, an offset table, a 32-byte trailer.

constexpr size_t kHeaderSize = 8;
constexpr size_t kTrailerSize = 32;

uint64_t readBigEndian(const uint8_t* bytes, size_t size)
{
    uint64_t value = 0;
    for (size_t i = 0; i < size; ++i)
        value = (value << 8) | bytes[i];
    return value;
}

struct BinaryList {
    const uint8_t* bytes;
    size_t tableOffset; // objects lie between the header and the offset table
    unsigned offsetSize;
    unsigned refSize;
    uint64_t objectCount;
    uint64_t root;
};

// The parts of an object the walk needs; containers list their references.
struct Shape {
    uint8_t type = 0;
    uint64_t refCount = 0;
    uint64_t keyCount = 0; // a dictionary's first keyCount references are its keys
    size_t refsStart = 0;
    size_t contentStart = 0; // a string's bytes
    size_t contentLength = 0;
};

bool isStringType(uint8_t type) { return type == 0x5 || type == 0x6; }

uint64_t objectOffset(const BinaryList& list, uint64_t index)
{
    return readBigEndian(list.bytes + list.tableOffset + index * list.offsetSize, list.offsetSize);
}

// Reads the object's marker and checks that everything it holds lies inside the
// object area; "" or the reason.
std::string readShape(const BinaryList& list, uint64_t index, Shape* shape)
{
    uint64_t const offset = objectOffset(list, index);
    if (offset < kHeaderSize || offset >= list.tableOffset)
        return "object offset out of range";
    size_t pos = static_cast<size_t>(offset);
    size_t const end = list.tableOffset;
    uint8_t const marker = list.bytes[pos++];
    uint8_t const info = marker & 0x0F;
    *shape = Shape {};
    shape->type = marker >> 4;
    auto fits = [&](uint64_t size) { return size <= end - pos; };
    auto readCount = [&](uint64_t* count) {
        if (info != 0x0F) {
            *count = info;
            return true;
        }
        if (!fits(1))
            return false;
        uint8_t const countMarker = list.bytes[pos++];
        if ((countMarker >> 4) != 0x1 || (countMarker & 0x0F) > 3)
            return false;
        size_t const size = size_t { 1 } << (countMarker & 0x0F);
        if (!fits(size))
            return false;
        *count = readBigEndian(list.bytes + pos, size);
        pos += size;
        return true;
    };
    uint64_t count = 0;
    switch (shape->type) {
    case 0x0: // false, true; null and fill are not property-list values
        return info == 0x8 || info == 0x9 ? "" : "unsupported object";
    case 0x1: // integer of 2^info bytes
        return info <= 4 && fits(uint64_t { 1 } << info) ? "" : "bad integer";
    case 0x2: // real of 4 or 8 bytes
        return (info == 2 || info == 3) && fits(uint64_t { 1 } << info) ? "" : "bad real";
    case 0x3: // date: an 8-byte real
        return info == 3 && fits(8) ? "" : "bad date";
    case 0x4: // data
    case 0x5: // ASCII string
        if (!readCount(&count) || !fits(count))
            return "object runs past its end";
        shape->contentStart = pos;
        shape->contentLength = static_cast<size_t>(count);
        return "";
    case 0x6: // UTF-16 string, count in code units
        if (!readCount(&count) || count > (end - pos) / 2)
            return "object runs past its end";
        shape->contentStart = pos;
        shape->contentLength = static_cast<size_t>(count) * 2;
        return "";
    case 0x8: { // uid of info + 1 bytes
        unsigned const size = info + 1u;
        return (size == 1 || size == 2 || size == 4 || size == 8) && fits(size) ? "" : "bad uid";
    }
    case 0xA: // array
        if (!readCount(&count) || count > (end - pos) / list.refSize)
            return "object runs past its end";
        shape->refCount = count;
        shape->refsStart = pos;
        return "";
    case 0xD: // dictionary: keys, then values
        if (!readCount(&count) || count > (end - pos) / (2 * list.refSize))
            return "object runs past its end";
        shape->refCount = 2 * count;
        shape->keyCount = count;
        shape->refsStart = pos;
        return "";
    default:
        return "unsupported object";
    }
}

// libplist aborts on a key holding a NUL character, so keys are checked here.
std::string checkKey(const BinaryList& list, uint64_t index)
{
    Shape shape;
    if (auto error = readShape(list, index, &shape); !error.empty())
        return error;
    if (!isStringType(shape.type))
        return "dictionary key is not a string";
    uint8_t const* text = list.bytes + shape.contentStart;
    for (size_t i = 0; i < shape.contentLength; i += shape.type == 0x6 ? 2 : 1) {
        if (text[i] == 0 && (shape.type == 0x5 || text[i + 1] == 0))
            return "dictionary key holds a NUL character";
    }
    return "";
}

std::string readTrailer(const uint8_t* bytes, size_t length, BinaryList* list)
{
    if (length < kHeaderSize + 1 + kTrailerSize)
        return "truncated";
    uint8_t const* trailer = bytes + length - kTrailerSize;
    list->bytes = bytes;
    list->offsetSize = trailer[6];
    list->refSize = trailer[7];
    list->objectCount = readBigEndian(trailer + 8, 8);
    list->root = readBigEndian(trailer + 16, 8);
    uint64_t const tableOffset = readBigEndian(trailer + 24, 8);
    if (list->offsetSize < 1 || list->offsetSize > 8 || list->refSize < 1 || list->refSize > 8)
        return "bad trailer";
    size_t const tableLimit = length - kTrailerSize;
    if (tableOffset <= kHeaderSize || tableOffset > tableLimit)
        return "offset table out of range";
    list->tableOffset = static_cast<size_t>(tableOffset);
    if (list->objectCount == 0 || list->objectCount > (tableLimit - list->tableOffset) / list->offsetSize)
        return "offset table out of range";
    if (list->root >= list->objectCount)
        return "root object out of range";
    return "";
}

// ---- XML: element nesting.

// Finds the '>' that ends a tag starting at `pos`, skipping double-quoted text as
// libplist does. A '<' anywhere inside is refused: XML allows none there, and
// refusing it means a quoting rule that differs from libplist's can never hide
// a tag from this count.
size_t endOfTag(std::string_view text, size_t pos)
{
    bool quoted = false;
    for (size_t i = pos + 1; i < text.size(); ++i) {
        char const c = text[i];
        if (c == '<')
            return std::string_view::npos;
        if (c == '"')
            quoted = !quoted;
        else if (c == '>' && !quoted)
            return i;
    }
    return std::string_view::npos;
}

// A processing instruction ends at "?>" outside quotes; same rule for '<'.
size_t endOfInstruction(std::string_view text, size_t pos)
{
    bool quoted = false;
    for (size_t i = pos + 2; i + 1 < text.size(); ++i) {
        char const c = text[i];
        if (c == '<')
            return std::string_view::npos;
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == '?' && text[i + 1] == '>')
            return i + 1;
    }
    return std::string_view::npos;
}

// Property lists have a plain document type declaration; one with an internal
// subset or single quotes is refused rather than interpreted.
size_t endOfDeclaration(std::string_view text, size_t pos)
{
    size_t const end = endOfTag(text, pos);
    if (end == std::string_view::npos)
        return end;
    std::string_view const body = text.substr(pos, end - pos);
    if (body.find_first_of("['") != std::string_view::npos)
        return std::string_view::npos;
    return end;
}

}

bool isBinary(const uint8_t* bytes, size_t length)
{
    return length >= kHeaderSize && std::memcmp(bytes, "bplist00", kHeaderSize) == 0;
}

std::string checkBinary(const uint8_t* bytes, size_t length)
{
    BinaryList list {};
    if (auto error = readTrailer(bytes, length, &list); !error.empty())
        return error;

    // Depth-first walk with an explicit stack: a reference to an object on the
    // current path is a cycle; every object's depth and expanded size (counting
    // each path to a shared object) are kept once it is done.
    enum : uint8_t {
        Unvisited,
        OnPath,
        Done,
    };
    struct Frame {
        uint64_t index;
        Shape shape;
        uint64_t next = 0;
        uint32_t childDepth = 0;
        uint64_t size = 1;
    };
    uint64_t const sizeCap = kMaximumPropertyListObjects + 1;
    std::vector<uint8_t> state(list.objectCount, Unvisited);
    std::vector<uint16_t> depth(list.objectCount, 0);
    std::vector<uint32_t> size(list.objectCount, 0);
    std::vector<Frame> stack;

    auto push = [&](uint64_t index) -> std::string {
        if (stack.size() > static_cast<size_t>(kMaximumPropertyListDepth))
            return kTooDeep;
        Frame frame { index, {} };
        if (auto error = readShape(list, index, &frame.shape); !error.empty())
            return error;
        state[index] = OnPath;
        stack.push_back(frame);
        return "";
    };
    if (auto error = push(list.root); !error.empty())
        return error;
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.next < top.shape.refCount) {
            bool const isKey = top.next < top.shape.keyCount;
            uint64_t const child = readBigEndian(list.bytes + top.shape.refsStart + top.next * list.refSize, list.refSize);
            ++top.next;
            if (child >= list.objectCount)
                return "object reference out of range";
            if (state[child] == OnPath)
                return "cyclic reference";
            if (isKey) {
                if (auto error = checkKey(list, child); !error.empty())
                    return error;
            }
            if (state[child] == Done) {
                top.childDepth = std::max<uint32_t>(top.childDepth, depth[child]);
                top.size = std::min(sizeCap, top.size + size[child]);
                continue;
            }
            if (auto error = push(child); !error.empty())
                return error;
            continue;
        }
        bool const container = top.shape.type == 0xA || top.shape.type == 0xD;
        uint32_t const finishedDepth = container ? top.childDepth + 1 : 0;
        uint64_t const finishedSize = top.size;
        uint64_t const index = top.index;
        if (finishedDepth > static_cast<uint32_t>(kMaximumPropertyListDepth))
            return kTooDeep;
        depth[index] = static_cast<uint16_t>(finishedDepth);
        size[index] = static_cast<uint32_t>(finishedSize);
        state[index] = Done;
        stack.pop_back();
        if (!stack.empty()) {
            Frame& parent = stack.back();
            parent.childDepth = std::max(parent.childDepth, finishedDepth);
            parent.size = std::min(sizeCap, parent.size + finishedSize);
        }
    }
    if (size[list.root] > kMaximumPropertyListObjects)
        return "too many objects";
    return "";
}

std::string checkXml(const uint8_t* bytes, size_t length)
{
    std::string_view const text(reinterpret_cast<const char*>(bytes), length);
    // XML holds no NUL characters; libplist would cut a key short at one.
    if (text.find('\0') != std::string_view::npos)
        return kNotAPropertyList;
    // Only arrays and dictionaries nest values; every other element is bounded
    // too (<plist>, a value's own element and some slack), so that nesting
    // libplist would refuse anyway never reaches it.
    size_t const elementLimit = static_cast<size_t>(kMaximumPropertyListDepth) + 3;
    size_t elements = 0;
    size_t containers = 0;
    size_t pos = 0;
    while ((pos = text.find('<', pos)) != std::string_view::npos) {
        std::string_view const rest = text.substr(pos);
        size_t end = std::string_view::npos;
        if (rest.starts_with("<!--")) {
            end = text.find("-->", pos + 4);
            if (end == std::string_view::npos)
                return kNotAPropertyList;
            pos = end + 3;
            continue;
        }
        if (rest.starts_with("<![CDATA[")) {
            end = text.find("]]>", pos + 9);
            if (end == std::string_view::npos)
                return kNotAPropertyList;
            pos = end + 3;
            continue;
        }
        if (rest.starts_with("<?"))
            end = endOfInstruction(text, pos);
        else if (rest.starts_with("<!"))
            end = endOfDeclaration(text, pos);
        else
            end = endOfTag(text, pos);
        if (end == std::string_view::npos)
            return kNotAPropertyList;
        size_t const start = pos;
        pos = end + 1;
        if (rest[1] == '?' || rest[1] == '!')
            continue;
        bool const closing = rest[1] == '/';
        size_t const nameStart = start + (closing ? 2 : 1);
        std::string_view name = text.substr(nameStart, end - nameStart);
        name = name.substr(0, name.find_first_of(" \t\r\n/>"));
        bool const container = name == "array" || name == "dict";
        if (closing) {
            elements -= elements > 0 ? 1 : 0;
            containers -= container && containers > 0 ? 1 : 0;
            continue;
        }
        if (text[end - 1] == '/')
            continue;
        if (++elements > elementLimit || (container && ++containers > static_cast<size_t>(kMaximumPropertyListDepth)))
            return kTooDeep;
    }
    return "";
}

}
