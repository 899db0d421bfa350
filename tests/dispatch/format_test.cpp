#include "foundation/Format.h"
#include "foundation/NSNumber.h"
#include "foundation/NSString.h"

#include <gtest/gtest.h>

namespace {

class FormatTest : public testing::Test {
protected:
    void SetUp() override { foundation::registerClasses(); }
    AutoreleasePool pool;
};

TEST_F(FormatTest, ObjectsPrintTheirDescriptionAndNilPrintsNull)
{
    EXPECT_EQ(foundation::format("a %@ b", NSSTR("x")), "a x b");
    EXPECT_EQ(foundation::format("%@", nil), "(null)");
    EXPECT_EQ(foundation::format("%@", static_cast<NSString*>(nullptr)), "(null)");
    EXPECT_EQ(foundation::format("%@ %@", NSNumber::numberWithBool(true), NSNumber::numberWithBool(false)), "1 0");
    EXPECT_EQ(foundation::format("%@", NSNumber::numberWithInteger(-7)), "-7");
}

TEST_F(FormatTest, IntegersStringsAndRealsFollowPrintf)
{
    EXPECT_EQ(foundation::format("%d:%i:%ld:%u", 1, -2, 3L, 4u), "1:-2:3:4");
    EXPECT_EQ(foundation::format("%s", static_cast<const char*>(nullptr)), "(null)");
    EXPECT_EQ(foundation::format("[%s]", "Drawlet"), "[Drawlet]");
    EXPECT_EQ(foundation::format("%.2f", 0.125), "0.12");
    EXPECT_EQ(foundation::format("%5d|%-3d|", 42, 7), "   42|7  |");
    EXPECT_EQ(foundation::format("100%%"), "100%");
    EXPECT_EQ(foundation::format("tab\there"), "tab\there");
}

TEST_F(FormatTest, MismatchedOrMissingArgumentsNeverReadTheWrongType)
{
    EXPECT_EQ(foundation::format("%s", NSSTR("x")), "(not a C string)");
    EXPECT_EQ(foundation::format("%d", NSSTR("x")), "(not a number)");
    EXPECT_EQ(foundation::format("%@", 5), "(not an object)");
    EXPECT_EQ(foundation::format("%d %d", 1), "1 (missing)");
    EXPECT_EQ(foundation::format("%d", 2.9), "2");
    EXPECT_EQ(foundation::format("%99999999d", 1).size(), 999u) << "widths are capped";
    EXPECT_EQ(foundation::format("ends with %"), "ends with %");
}

}
