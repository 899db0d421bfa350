// Writing property lists and reading them back: every value keeps its type,
// atomic writes leave nothing behind, refused writes leave the file alone.

#include "PlistTestSupport.h"

#include "foundation/NSFileManager.h"
#include "foundation/PropertyList.h"

#include <sys/stat.h>

using namespace plisttest;

namespace {

class PropertyListWrite : public ::testing::Test {
protected:
    void SetUp() override
    {
        foundation::registerClasses();
        systemlog::reset();
        systemlog::setWritesToStandardError(false);
    }
    void TearDown() override { systemlog::setWritesToStandardError(true); }

    ScratchFolder folder;
    AutoreleasePool pool;
};

NSString* key(const char* text) { return NSString::make(text); }

// One of every kind of value, nested.
NSDictionary* everyKind()
{
    auto* inner = NSDictionary::mutableDictionary();
    inner->setObject(NSNumber::numberWithBool(false), key("off"));
    inner->setObject(NSString::make(""), key("empty"));
    auto* list = NSArray::mutableArray();
    list->items.emplace_back(NSNumber::numberWithInteger(-42));
    list->items.emplace_back(NSNumber::numberWithDouble(0.1));
    list->items.emplace_back(inner);
    auto* all = NSDictionary::mutableDictionary();
    all->setObject(NSNumber::numberWithBool(true), key("tweakEnabled"));
    all->setObject(NSNumber::numberWithInteger(9007199254740993LL), key("large"));
    all->setObject(NSNumber::numberWithInteger(-1), key("minusOne"));
    all->setObject(NSNumber::numberWithDouble(-2.5e-7), key("real"));
    all->setObject(NSString::make("<&> \"quoted\" ümlaut 色 🙂"), key("text"));
    all->setObject(NSData::make({ 0, 1, 2, 255 }), key("data"));
    // XML keeps dates to the second.
    all->setObject(NSDate::dateWithTimeIntervalSinceReferenceDate(694224000), key("date"));
    all->setObject(list, key("list"));
    all->setObject(NSString::make("value"), key("key with spaces & <marks>"));
    return all;
}

}

TEST_F(PropertyListWrite, XmlRoundTripKeepsEveryValueAndType)
{
    std::string path = folder.file("all.plist");
    auto* original = everyKind();
    ASSERT_TRUE(send<bool>(original, "writeToFile:atomically:"_sel, NSString::make(path), true));
    EXPECT_EQ(readBytes(path).rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u);
    auto* read = send<NSDictionary*>(foundation::NSMutableDictionaryClass(), "dictionaryWithContentsOfFile:"_sel, NSString::make(path));
    ASSERT_NE(read, nullptr);
    EXPECT_TRUE(sameValue(original, read));
    EXPECT_EQ(read->isa, foundation::NSMutableDictionaryClass());
    auto* list = static_cast<NSArray*>(read->objectForKey("list"));
    EXPECT_EQ(list->isa, foundation::NSMutableArrayClass());
    EXPECT_EQ(list->items[2]->isa, foundation::NSMutableDictionaryClass());
    EXPECT_TRUE(logLines().empty());
}

TEST_F(PropertyListWrite, BinaryRoundTrip)
{
    auto* original = everyKind();
    auto bytes = foundation::encodePropertyListBinary(original);
    ASSERT_GT(bytes.size(), 8u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), "bplist00");
    std::string error;
    id decoded = foundation::decodePropertyList(bytes.data(), bytes.size(), &error);
    EXPECT_TRUE(sameValue(original, decoded)) << error;

    // A binary file reads like an XML one.
    std::string path = folder.file("binary.plist");
    writeBytes(path, std::string(bytes.begin(), bytes.end()));
    EXPECT_TRUE(sameValue(original, foundation::readPropertyListDictionary(path)));

    // The binary form keeps fractions of a second.
    auto* precise = NSDate::dateWithTimeIntervalSinceReferenceDate(12.25);
    auto preciseBytes = foundation::encodePropertyListBinary(precise);
    EXPECT_TRUE(sameValue(precise, foundation::decodePropertyList(preciseBytes.data(), preciseBytes.size(), &error)));

    // Roots other than dictionaries travel too.
    auto scalar = foundation::encodePropertyListBinary(NSString::make("just text"));
    EXPECT_TRUE(sameValue(NSString::make("just text"), foundation::decodePropertyList(scalar.data(), scalar.size(), &error)));
}

TEST_F(PropertyListWrite, UidsReadAsTheirXmlForm)
{
    BinaryBuilder builder;
    size_t uid = builder.addRaw({ 0x80, 7 });
    std::string bytes = builder.build(builder.addDictionary({ builder.addString("object") }, { uid }));
    std::string error;
    auto* read = static_cast<NSDictionary*>(foundation::decodePropertyList(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &error));
    ASSERT_NE(read, nullptr) << error;
    auto* expected = NSDictionary::mutableDictionary();
    expected->setObject(NSNumber::numberWithInteger(7), key("CF$UID"));
    EXPECT_TRUE(sameValue(expected, read->objectForKey("object")));
}

TEST_F(PropertyListWrite, TextXmlCannotCarryIsWrittenBinary)
{
    std::string path = folder.file("escape.plist");
    auto* settings = NSDictionary::mutableDictionary();
    settings->setObject(NSString::make("\x1b[31mred\x01"), key("customArrowColor"));
    ASSERT_TRUE(foundation::writePropertyListDictionary(settings, path, true));
    EXPECT_EQ(readBytes(path).rfind("bplist00", 0), 0u);
    EXPECT_TRUE(sameValue(settings, foundation::readPropertyListDictionary(path)));
}

TEST_F(PropertyListWrite, RefusedWritesLeaveTheFileAlone)
{
    std::string path = folder.file("settings.plist");
    auto* good = NSDictionary::mutableDictionary();
    good->setObject(NSNumber::numberWithBool(true), key("tweakEnabled"));
    ASSERT_TRUE(foundation::writePropertyListDictionary(good, path, true));
    FileStamp const before = stampOf(path);

    struct Case {
        id value;
        const char* reason;
    };
    std::vector<Case> cases {
        { NSString::make("\xC3\x28"), "not valid UTF-8" },
        { NSString::make(std::string("a\0b", 3)), "NUL" },
        { NSFileManager::defaultManager(), "class NSFileManager" },
        { NSDate::dateWithTimeIntervalSinceReferenceDate(1e12), "date out of range" },
    };
    for (auto [value, reason] : cases) {
        for (bool atomically : { true, false }) {
            systemlog::reset();
            systemlog::setWritesToStandardError(false);
            auto* bad = NSDictionary::mutableDictionary();
            bad->setObject(value, key("k"));
            EXPECT_FALSE(foundation::writePropertyListDictionary(bad, path, atomically));
            auto lines = logLines();
            ASSERT_EQ(lines.size(), 1u);
            EXPECT_EQ(lines[0].rfind("plist: cannot write " + path + ": ", 0), 0u) << lines[0];
            EXPECT_NE(lines[0].find(reason), std::string::npos) << lines[0];
            EXPECT_EQ(stampOf(path), before);
        }
    }
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string> { "settings.plist" });
}

TEST_F(PropertyListWrite, ContainersNestedTooDeepOrInThemselvesAreRefused)
{
    // One dictionary holding the limit's worth of arrays: one level too many.
    auto* outer = NSDictionary::mutableDictionary();
    auto* inner = NSArray::mutableArray();
    outer->setObject(inner, key("k"));
    for (int i = 1; i < foundation::kMaximumPropertyListDepth; ++i) {
        auto* next = NSArray::mutableArray();
        inner->items.emplace_back(next);
        inner = next;
    }
    std::string error;
    EXPECT_FALSE(foundation::writePropertyListDictionary(outer, folder.file("deep.plist"), true, &error));
    EXPECT_EQ(error, "too deeply nested");

    auto* loop = NSArray::mutableArray();
    loop->items.emplace_back(loop);
    EXPECT_TRUE(foundation::encodePropertyListBinary(loop).empty());
    loop->items.clear(); // break the cycle so the array can be freed
}

TEST_F(PropertyListWrite, AtomicWritesReplaceWholeAndLeaveNoTemporaryFile)
{
    std::string path = folder.file("settings.plist");
    writeBytes(path, "old content");
    ASSERT_EQ(chmod(path.c_str(), 0600), 0);
    ASSERT_TRUE(foundation::writePropertyListDictionary(everyKind(), path, true));
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string> { "settings.plist" });
    struct stat status { };
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u) << "the replaced file's permissions are kept";
    EXPECT_TRUE(sameValue(everyKind(), foundation::readPropertyListDictionary(path)));

    // Into a folder that does not exist: refused, nothing created.
    std::string nowhere = folder.file("missing/settings.plist");
    EXPECT_FALSE(foundation::writePropertyListDictionary(everyKind(), nowhere, true));
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string> { "settings.plist" });

    // A directory in the file's place is not replaced.
    std::string directory = folder.file("directory.plist");
    ASSERT_EQ(mkdir(directory.c_str(), 0755), 0);
    EXPECT_FALSE(foundation::writePropertyListDictionary(everyKind(), directory, true));
    EXPECT_EQ(folderEntries(folder.path()), (std::vector<std::string> { "directory.plist", "settings.plist" }));
}

TEST_F(PropertyListWrite, DirectWritesOverwriteInPlace)
{
    std::string path = folder.file("direct.plist");
    writeBytes(path, std::string(10000, 'x'));
    auto* small = NSDictionary::mutableDictionary();
    small->setObject(NSNumber::numberWithInteger(1), key("a"));
    ASSERT_TRUE(foundation::writePropertyListDictionary(small, path, false));
    EXPECT_TRUE(sameValue(small, foundation::readPropertyListDictionary(path)));
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string> { "direct.plist" });
}

TEST_F(PropertyListWrite, ImmutableClassAsksForAnImmutableDictionary)
{
    std::string path = folder.file("plain.plist");
    ASSERT_TRUE(foundation::writePropertyListDictionary(everyKind(), path, true));
    id read = send<id>(foundation::NSDictionaryClass(), "dictionaryWithContentsOfFile:"_sel, NSString::make(path));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->isa, foundation::NSDictionaryClass());
    EXPECT_EQ(send<id>(foundation::NSDictionaryClass(), "dictionaryWithContentsOfFile:"_sel, nullptr), nullptr);
}
