#include "support/ForkedTest.h"

#include "foundation/NSArray.h"
#include "foundation/NSDictionary.h"
#include "foundation/NSNumber.h"
#include "foundation/NSString.h"
#include "foundation/SystemLog.h"
#include "substrate/Loader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const substrate::ProcessIdentity kShell { "SpringBoard", "com.apple.springboard", { "com.apple.UIKit" } };
const substrate::ProcessIdentity kApplication { "Notes", "com.example.notes", { "com.apple.UIKit" } };
const substrate::ProcessIdentity kDaemon { "backboardd", "com.apple.backboardd", {} };

std::string plistWithFilter(const std::string& filterBody)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict><key>Filter</key>" + filterBody + "</dict></plist>\n";
}

std::string stringArray(const std::string& key, std::initializer_list<const char*> values)
{
    std::string text = "<key>" + key + "</key><array>";
    for (auto const* value : values)
        text += std::string("<string>") + value + "</string>";
    return text + "</array>";
}

class LibraryFolder {
public:
    LibraryFolder()
    {
        char pattern[] = "/tmp/drawlet-loader-XXXXXX";
        m_path = mkdtemp(pattern);
    }
    ~LibraryFolder() { fs::remove_all(m_path); }

    void addProbe(const std::string& name, const char* probe)
    {
        fs::copy_file(fs::path(LOADER_PROBE_DIR) / (std::string("LoaderProbe") + probe + ".so"), m_path / (name + ".so"));
    }
    void write(const std::string& fileName, const std::string& contents)
    {
        std::ofstream(m_path / fileName) << contents;
    }
    std::string path() const { return m_path.string(); }

private:
    fs::path m_path;
};

int countContaining(const std::string& text)
{
    auto const messages = systemlog::capturedMessages();
    return static_cast<int>(std::count_if(messages.begin(), messages.end(),
        [&](const std::string& message) { return message.find(text) != std::string::npos; }));
}

NSDictionary* filterContents(std::initializer_list<std::pair<const char*, std::vector<const char*>>> lists)
{
    auto* filter = NSDictionary::mutableDictionary();
    for (auto const& [key, values] : lists) {
        auto* array = NSArray::mutableArray();
        for (auto const* value : values)
            array->items.emplace_back(NSString::make(value));
        filter->setObject(array, NSString::make(key));
    }
    auto* contents = NSDictionary::mutableDictionary();
    contents->setObject(filter, NSString::make("Filter"));
    return contents;
}

class InjectionFilterTest : public testing::Test {
protected:
    void SetUp() override { foundation::registerClasses(); }
    AutoreleasePool m_pool;
};

}

TEST_F(InjectionFilterTest, MatchesByBundleExecutableAndExclusion)
{
    substrate::InjectionFilter filter;
    std::string error;

    ASSERT_TRUE(substrate::parseInjectionFilter(filterContents({ { "Bundles", { "com.apple.springboard" } } }), &filter, &error)) << error;
    EXPECT_TRUE(filter.matches(kShell));
    EXPECT_FALSE(filter.matches(kApplication));

    // Every application, not the shell.
    ASSERT_TRUE(substrate::parseInjectionFilter(filterContents({ { "Bundles", { "com.apple.UIKit" } }, { "ExcludeExecutables", { "SpringBoard" } } }), &filter, &error)) << error;
    EXPECT_FALSE(filter.matches(kShell));
    EXPECT_TRUE(filter.matches(kApplication));
    EXPECT_FALSE(filter.matches(kDaemon));

    ASSERT_TRUE(substrate::parseInjectionFilter(filterContents({ { "Executables", { "backboardd" } } }), &filter, &error)) << error;
    EXPECT_TRUE(filter.matches(kDaemon));
    EXPECT_FALSE(filter.matches(kShell));

    ASSERT_TRUE(substrate::parseInjectionFilter(filterContents({}), &filter, &error)) << error;
    EXPECT_FALSE(filter.matches(kShell)) << "a filter that lists nothing loads nowhere";
}

TEST_F(InjectionFilterTest, RefusesMalformedFilters)
{
    substrate::InjectionFilter filter;
    std::string error;
    EXPECT_FALSE(substrate::parseInjectionFilter(nullptr, &filter, &error));
    EXPECT_FALSE(substrate::parseInjectionFilter(NSDictionary::mutableDictionary(), &filter, &error));
    EXPECT_NE(error.find("Filter"), std::string::npos);

    auto* notADictionary = NSDictionary::mutableDictionary();
    notADictionary->setObject(NSString::make("com.apple.springboard"), NSString::make("Filter"));
    EXPECT_FALSE(substrate::parseInjectionFilter(notADictionary, &filter, &error));

    auto* filterBody = NSDictionary::mutableDictionary();
    filterBody->setObject(NSString::make("com.apple.springboard"), NSString::make("Bundles"));
    auto* bundlesNotAList = NSDictionary::mutableDictionary();
    bundlesNotAList->setObject(filterBody, NSString::make("Filter"));
    EXPECT_FALSE(substrate::parseInjectionFilter(bundlesNotAList, &filter, &error));
    EXPECT_NE(error.find("Bundles"), std::string::npos);

    auto* list = NSArray::mutableArray();
    list->items.emplace_back(NSString::make("SpringBoard"));
    list->items.emplace_back(NSNumber::numberWithInteger(3));
    auto* mixedBody = NSDictionary::mutableDictionary();
    mixedBody->setObject(list, NSString::make("ExcludeExecutables"));
    auto* mixed = NSDictionary::mutableDictionary();
    mixed->setObject(mixedBody, NSString::make("Filter"));
    EXPECT_FALSE(substrate::parseInjectionFilter(mixed, &filter, &error));
    EXPECT_NE(error.find("ExcludeExecutables"), std::string::npos);
}

// Libraries stay loaded for the process's life: each case loads in a process of its own.
FORKED_TEST(Loader, LoadsOnlyWhereTheFilterMatchesInNameOrder)
{
    foundation::registerClasses();
    LibraryFolder folder;
    folder.addProbe("Alpha", "A");
    folder.write("Alpha.plist", plistWithFilter("<dict>" + stringArray("Bundles", { "com.apple.UIKit" }) + stringArray("ExcludeExecutables", { "SpringBoard" }) + "</dict>"));
    folder.addProbe("Beta", "B");
    folder.write("Beta.plist", plistWithFilter("<dict>" + stringArray("Bundles", { "com.apple.springboard" }) + "</dict>"));

    auto loaded = substrate::loadLibraries(folder.path(), kShell);
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(fs::path(loaded[0]).filename(), "Beta.so");
    EXPECT_EQ(countContaining("probe B loaded"), 1);
    EXPECT_EQ(countContaining("probe A loaded"), 0);
}

FORKED_TEST(Loader, LoadsEveryMatchingLibrarySortedByName)
{
    foundation::registerClasses();
    LibraryFolder folder;
    // Written in reverse order: loading follows the names, not the directory.
    folder.addProbe("Zulu", "A");
    folder.write("Zulu.plist", plistWithFilter("<dict>" + stringArray("Executables", { "Notes" }) + "</dict>"));
    folder.addProbe("Bravo", "B");
    folder.write("Bravo.plist", plistWithFilter("<dict>" + stringArray("Bundles", { "com.apple.UIKit" }) + "</dict>"));

    auto loaded = substrate::loadLibraries(folder.path(), kApplication);
    ASSERT_EQ(loaded.size(), 2u);
    auto const messages = systemlog::capturedMessages();
    auto b = std::find(messages.begin(), messages.end(), "probe B loaded");
    auto a = std::find(messages.begin(), messages.end(), "probe A loaded");
    ASSERT_NE(a, messages.end());
    ASSERT_NE(b, messages.end());
    EXPECT_LT(b, a);
}

FORKED_TEST(Loader, BadFiltersAndBrokenLibrariesLoadNothingWithOneLineEach)
{
    foundation::registerClasses();
    LibraryFolder folder;
    folder.addProbe("NoFilter", "A");
    folder.addProbe("Malformed", "A");
    folder.write("Malformed.plist", plistWithFilter("<string>com.apple.springboard</string>"));
    folder.addProbe("NotAPlist", "A");
    folder.write("NotAPlist.plist", "this is not a property list");
    folder.write("Broken.so", "not an ELF file");
    folder.write("Broken.plist", plistWithFilter("<dict>" + stringArray("Bundles", { "com.apple.springboard" }) + "</dict>"));
    // A good library after the bad ones still loads.
    folder.addProbe("Zeta", "B");
    folder.write("Zeta.plist", plistWithFilter("<dict>" + stringArray("Executables", { "SpringBoard" }) + "</dict>"));

    systemlog::reset();
    auto loaded = substrate::loadLibraries(folder.path(), kShell);
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(fs::path(loaded[0]).filename(), "Zeta.so");
    EXPECT_EQ(countContaining("probe A loaded"), 0);
    EXPECT_EQ(countContaining("probe B loaded"), 1);

    EXPECT_EQ(countContaining("NoFilter"), 1);
    EXPECT_EQ(countContaining("Malformed"), 1);
    EXPECT_EQ(countContaining("NotAPlist"), 1) << "the property-list reader's diagnostic is the one line";
    EXPECT_EQ(countContaining("dlopen("), 1);
    EXPECT_EQ(countContaining("Broken.so"), 2) << "the loading notice and the loader's reason";
    for (auto const& message : systemlog::capturedMessages())
        EXPECT_NE(message.rfind("[Drawlet] ", 0), 0u) << message;
}

FORKED_TEST(Loader, MissingFolderWritesOneLine)
{
    systemlog::reset();
    EXPECT_TRUE(substrate::loadLibraries("/nonexistent/drawlet/DynamicLibraries", kShell).empty());
    EXPECT_EQ(systemlog::captured().size(), 1u);
}
