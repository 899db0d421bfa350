// Reading property-list files that are broken in every way a hand-edited or
// damaged settings file can be: nil, one diagnostic line, the file untouched.

#include "PlistTestSupport.h"

#include "foundation/PropertyList.h"

#include <sys/stat.h>
#include <unistd.h>

using namespace plisttest;

namespace {

class PropertyListRead : public ::testing::Test {
protected:
    void SetUp() override
    {
        foundation::registerClasses();
        systemlog::reset();
        systemlog::setWritesToStandardError(false);
    }
    void TearDown() override { systemlog::setWritesToStandardError(true); }

    // Reads `path`, expecting the failure to be reported once, with `reason`,
    // and the file left exactly as it was.
    void expectRefused(const std::string& path, const std::string& reason)
    {
        FileStamp const before = stampOf(path);
        systemlog::reset();
        systemlog::setWritesToStandardError(false);
        EXPECT_EQ(foundation::readPropertyListDictionary(path), nullptr);
        auto lines = logLines();
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].rfind("plist: cannot read " + path + ": ", 0), 0u) << lines[0];
        EXPECT_NE(lines[0].find(reason), std::string::npos) << lines[0];
        EXPECT_NE(lines[0].rfind("[Drawlet] ", 0), 0u);
        EXPECT_EQ(stampOf(path), before);
    }

    ScratchFolder folder;
    AutoreleasePool pool;
};

std::string nestedXml(int depth, const std::string& open = "<array>", const std::string& close = "</array>")
{
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict><key>k</key>";
    for (int i = 1; i < depth; ++i)
        text += open;
    text += "<true/>";
    for (int i = 1; i < depth; ++i)
        text += close;
    return text + "</dict></plist>\n";
}

std::string nestedBinary(int depth)
{
    BinaryBuilder builder;
    size_t inner = builder.addBool(true);
    for (int i = 1; i < depth; ++i)
        inner = builder.addArray({ inner });
    return builder.build(builder.addDictionary({ builder.addString("k") }, { inner }));
}

const std::string kValidXml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                              "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" \"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                              "<plist version=\"1.0\">\n<dict>\n\t<key>smallGrabber</key>\n\t<true/>\n"
                              "\t<key>customGrabberColor</key>\n\t<string>#FF0000</string>\n</dict>\n</plist>\n";

}

TEST_F(PropertyListRead, ReadsAWellFormedFile)
{
    std::string path = folder.file("good.plist");
    writeBytes(path, kValidXml);
    auto* settings = foundation::readPropertyListDictionary(path);
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(settings->isa, foundation::NSMutableDictionaryClass());
    EXPECT_TRUE(send<bool>(settings->objectForKey("smallGrabber"), "boolValue"_sel));
    EXPECT_EQ(foundation::describe(settings->objectForKey("customGrabberColor")), "#FF0000");
    EXPECT_TRUE(logLines().empty());
}

TEST_F(PropertyListRead, MissingEmptyAndGarbageFiles)
{
    expectRefused(folder.file("missing.plist"), "No such file or directory");
    writeBytes(folder.file("empty.plist"), "");
    expectRefused(folder.file("empty.plist"), "empty file");
    writeBytes(folder.file("text.plist"), "smallGrabber = YES\n");
    expectRefused(folder.file("text.plist"), "not a property list");
    writeBytes(folder.file("noise.plist"), std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    expectRefused(folder.file("noise.plist"), "not a property list");
}

TEST_F(PropertyListRead, RootThatIsNotADictionary)
{
    writeBytes(folder.file("array.plist"), "<plist version=\"1.0\"><array><true/></array></plist>");
    expectRefused(folder.file("array.plist"), "root is not a dictionary");
    writeBytes(folder.file("string.plist"), "<plist version=\"1.0\"><string>hello</string></plist>");
    expectRefused(folder.file("string.plist"), "root is not a dictionary");
    BinaryBuilder builder;
    writeBytes(folder.file("binary-int.plist"), builder.build(builder.addInteger(7)));
    expectRefused(folder.file("binary-int.plist"), "root is not a dictionary");
}

TEST_F(PropertyListRead, TruncatedXmlAndBinary)
{
    std::string path = folder.file("truncated.plist");
    for (size_t length : { size_t { 20 }, kValidXml.size() / 2, kValidXml.size() - 30 }) {
        writeBytes(path, kValidXml.substr(0, length));
        expectRefused(path, "");
    }
    BinaryBuilder builder;
    std::string binary = builder.build(builder.addDictionary({ builder.addString("smallGrabber") }, { builder.addBool(true) }));
    for (size_t length = 8; length < binary.size(); ++length) {
        writeBytes(path, binary.substr(0, length));
        expectRefused(path, "");
    }
}

TEST_F(PropertyListRead, BinaryWithBadOffsetsAndReferences)
{
    std::string path = folder.file("bad.plist");
    BinaryBuilder builder;
    std::string good = builder.build(builder.addDictionary({ builder.addString("k") }, { builder.addBool(true) }));
    ASSERT_NE(foundation::decodePropertyList(reinterpret_cast<const uint8_t*>(good.data()), good.size(), nullptr), nullptr);
    size_t const trailer = good.size() - 32;
    size_t const table = trailer - 3 * 2;

    std::string offsetPastEnd = good;
    offsetPastEnd[table] = '\x7F'; // first object's offset far beyond the objects
    writeBytes(path, offsetPastEnd);
    expectRefused(path, "object offset out of range");

    std::string offsetIntoHeader = good;
    offsetIntoHeader[table + 1] = 2;
    offsetIntoHeader[table] = 0;
    writeBytes(path, offsetIntoHeader);
    expectRefused(path, "object offset out of range");

    std::string tablePastEnd = good;
    tablePastEnd[trailer + 24] = '\x7F';
    writeBytes(path, tablePastEnd);
    expectRefused(path, "offset table out of range");

    std::string rootOutOfRange = good;
    rootOutOfRange[trailer + 23] = 9;
    writeBytes(path, rootOutOfRange);
    expectRefused(path, "root object out of range");

    std::string tooManyObjects = good;
    tooManyObjects[trailer + 8] = '\x7F';
    writeBytes(path, tooManyObjects);
    expectRefused(path, "offset table out of range");

    BinaryBuilder dangling;
    size_t key = dangling.addString("k");
    writeBytes(path, dangling.build(dangling.addDictionary({ key }, { 200 })));
    expectRefused(path, "object reference out of range");

    BinaryBuilder numberKey;
    writeBytes(path, numberKey.build(numberKey.addDictionary({ numberKey.addInteger(1) }, { numberKey.addBool(true) })));
    expectRefused(path, "dictionary key is not a string");

    // libplist aborts on keys holding NUL characters; they never reach it.
    BinaryBuilder nulKey;
    writeBytes(path, nulKey.build(nulKey.addDictionary({ nulKey.addString(std::string("a\0b", 3)) }, { nulKey.addBool(true) })));
    expectRefused(path, "dictionary key holds a NUL character");
    BinaryBuilder wideNulKey;
    size_t wide = wideNulKey.addRaw({ 0x62, 0, 'a', 0, 0 });
    writeBytes(path, wideNulKey.build(wideNulKey.addDictionary({ wide }, { wideNulKey.addBool(true) })));
    expectRefused(path, "dictionary key holds a NUL character");
    writeBytes(path, std::string("<plist><dict><key>a\0b</key><true/></dict></plist>", 49));
    expectRefused(path, "not a property list");

    BinaryBuilder longString;
    size_t name = longString.addRaw({ 0x5F, 0x10, 0x7F, 'a', 'b' }); // claims 127 bytes
    writeBytes(path, longString.build(longString.addDictionary({ name }, { longString.addBool(true) })));
    expectRefused(path, "object runs past its end");
}

TEST_F(PropertyListRead, BinaryWithCyclesAndExplodingSharing)
{
    std::string path = folder.file("cycle.plist");
    BinaryBuilder selfContaining;
    size_t array = selfContaining.addArray({});
    selfContaining.setArray(array, { array });
    writeBytes(path, selfContaining.build(selfContaining.addDictionary({ selfContaining.addString("k") }, { array })));
    expectRefused(path, "cyclic reference");

    BinaryBuilder loop;
    size_t first = loop.addArray({});
    size_t second = loop.addArray({ first });
    loop.setArray(first, { loop.addBool(true), second });
    writeBytes(path, loop.build(loop.addDictionary({ loop.addString("k") }, { first })));
    expectRefused(path, "cyclic reference");

    // Each level refers twice to the next: 2^60 values once expanded.
    BinaryBuilder sharing;
    size_t level = sharing.addBool(true);
    for (int i = 0; i < 60; ++i)
        level = sharing.addArray({ level, level });
    writeBytes(path, sharing.build(sharing.addDictionary({ sharing.addString("k") }, { level })));
    expectRefused(path, "too many objects");

    // Sharing that stays small is a normal binary list.
    BinaryBuilder shared;
    size_t yes = shared.addBool(true);
    size_t pair = shared.addArray({ yes, yes });
    writeBytes(path, shared.build(shared.addDictionary({ shared.addString("a"), shared.addString("b") }, { pair, pair })));
    auto* read = foundation::readPropertyListDictionary(path);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(send<unsigned long>(read->objectForKey("b"), "count"_sel), 2u);
}

TEST_F(PropertyListRead, NestedThousandsDeep)
{
    std::string path = folder.file("deep.plist");
    writeBytes(path, nestedXml(5000));
    expectRefused(path, "too deeply nested");
    writeBytes(path, nestedXml(5000, "<dict><key>a</key>", "</dict>"));
    expectRefused(path, "too deeply nested");
    writeBytes(path, nestedBinary(5000));
    expectRefused(path, "too deeply nested");
    // Closing tags hidden in comments, or tags dressed up as empty ones, still count.
    writeBytes(path, nestedXml(5000, "<array><!-- </array> -->"));
    expectRefused(path, "too deeply nested");
    writeBytes(path, nestedXml(5000, "<array a=\"/>\">"));
    expectRefused(path, "too deeply nested");
    // A quoted "?>" cannot end an instruction early and hide closing tags.
    writeBytes(path, "<plist><?x \"?></array></array>\" ?><dict></dict></plist>");
    expectRefused(path, "not a property list");
}

TEST_F(PropertyListRead, DepthLimitIsExact)
{
    std::string path = folder.file("limit.plist");
    int const limit = foundation::kMaximumPropertyListDepth;
    writeBytes(path, nestedXml(limit));
    EXPECT_NE(foundation::readPropertyListDictionary(path), nullptr);
    writeBytes(path, nestedBinary(limit));
    EXPECT_NE(foundation::readPropertyListDictionary(path), nullptr);
    EXPECT_TRUE(logLines().empty());
    writeBytes(path, nestedXml(limit + 1));
    expectRefused(path, "too deeply nested");
    writeBytes(path, nestedBinary(limit + 1));
    expectRefused(path, "too deeply nested");
}

TEST_F(PropertyListRead, LargerThanTheCap)
{
    std::string path = folder.file("large.plist");
    std::string padding(foundation::kMaximumPropertyListBytes, ' ');
    writeBytes(path, "<plist><dict><key>k</key><true/></dict></plist>" + padding);
    expectRefused(path, "larger than 4194304 bytes");
}

TEST_F(PropertyListRead, UnreadableDirectoryAndSpecialFiles)
{
    std::string folderPath = folder.file("folder.plist");
    ASSERT_EQ(mkdir(folderPath.c_str(), 0755), 0);
    expectRefused(folderPath, "is a directory");

    std::string fifo = folder.file("fifo.plist");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    expectRefused(fifo, "not a regular file");

    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root";
    std::string locked = folder.file("locked.plist");
    writeBytes(locked, kValidXml);
    ASSERT_EQ(chmod(locked.c_str(), 0), 0);
    expectRefused(locked, "Permission denied");
}

TEST_F(PropertyListRead, DecodeAppliesTheSameGuards)
{
    std::string error;
    EXPECT_EQ(foundation::decodePropertyList(nullptr, 0, &error), nullptr);
    EXPECT_FALSE(error.empty());
    std::string deep = nestedBinary(5000);
    EXPECT_EQ(foundation::decodePropertyList(reinterpret_cast<const uint8_t*>(deep.data()), deep.size(), &error), nullptr);
    EXPECT_EQ(error, "too deeply nested");
    std::string array = "<plist><array><integer>3</integer></array></plist>";
    id decoded = foundation::decodePropertyList(reinterpret_cast<const uint8_t*>(array.data()), array.size(), &error);
    ASSERT_NE(decoded, nullptr);
    EXPECT_EQ(decoded->isa, foundation::NSMutableArrayClass());
    EXPECT_TRUE(logLines().empty()) << "decoding reports through its error, not the log";
}

// One dictionary, then arrays, then `innermost`: `containers` in all.
static std::string nestedBinaryEndingIn(const std::vector<uint8_t>& innermost, int containers)
{
    BinaryBuilder builder;
    size_t inner = builder.addRaw(innermost);
    for (int i = 2; i < containers; ++i)
        inner = builder.addArray({ inner });
    return builder.build(builder.addDictionary({ builder.addString("k") }, { inner }));
}

TEST_F(PropertyListRead, WhatDecodesCanBeEncodedAgainAtTheDepthLimit)
{
    // Innermost an empty array, or a UID (read as a dictionary holding its
    // number): a container's depth counts, whatever it holds.
    int const limit = foundation::kMaximumPropertyListDepth;
    for (auto const& innermost : { std::vector<uint8_t> { 0xA0 }, std::vector<uint8_t> { 0x80, 0x07 } }) {
        for (int containers : { limit - 1, limit, limit + 1 }) {
            std::string const bytes = nestedBinaryEndingIn(innermost, containers);
            std::string error;
            id decoded = foundation::decodePropertyList(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &error);
            if (containers > limit) {
                EXPECT_EQ(decoded, nullptr) << containers;
                EXPECT_EQ(error, "too deeply nested");
                continue;
            }
            ASSERT_NE(decoded, nullptr) << containers << ": " << error;
            EXPECT_FALSE(foundation::encodePropertyListBinary(decoded).empty()) << containers << " containers decode, so they encode";
        }
    }
}
