#include "coregraphics/CGGeometry.h"
#include "foundation/NSNumber.h"
#include "foundation/NSObject.h"
#include "foundation/NSString.h"
#include "foundation/SystemLog.h"
#include "runtime/Runtime.h"

#include <gtest/gtest.h>

namespace {

struct Shape : NSObject {
    int sides = 0;
};

int sides(id self, SEL) { return static_cast<Shape*>(self)->sides; }
void setSides(id self, SEL, int value) { static_cast<Shape*>(self)->sides = value; }
CGRect frameOf(id, SEL) { return CGRectMake(1, 2, 3, 4); }
id describeShape(id, SEL) { return NSString::make("a shape"); }
int squareSides(id, SEL) { return 4; }
int loadCount = 0;
void countLoad(id, SEL) { ++loadCount; }

class RuntimeTest : public testing::Test {
protected:
    void SetUp() override
    {
        foundation::registerClasses();
        systemlog::reset();
        systemlog::setWritesToStandardError(false);
        shape = objc_getClass("TestShape");
        if (!shape) {
            shape = runtime::defineClass("TestShape", foundation::NSObjectClass(), runtime::makeInstance<Shape>);
            addMethod(shape, "sides"_sel, sides);
            addMethod(shape, "setSides:"_sel, setSides);
            addMethod(shape, "frame"_sel, frameOf);
            addMethod(shape, "description"_sel, describeShape);
            square = runtime::defineClass("TestSquare", shape, nullptr);
            addMethod(square, "sides"_sel, squareSides);
        }
        square = objc_getClass("TestSquare");
    }

    Class shape = nullptr;
    Class square = nullptr;
    AutoreleasePool pool;
};

TEST_F(RuntimeTest, MessagesFindOwnAndInheritedMethods)
{
    auto object = adopt(send<id>(send<id>(shape, "alloc"_sel), "init"_sel));
    send(object, "setSides:"_sel, 3);
    EXPECT_EQ(send<int>(object, "sides"_sel), 3);
    EXPECT_EQ(send<CGRect>(object, "frame"_sel), CGRectMake(1, 2, 3, 4));

    auto derived = adopt(send<id>(square, "new"_sel));
    EXPECT_EQ(send<int>(derived, "sides"_sel), 4) << "a subclass's own method wins";
    EXPECT_EQ(send<CGRect>(derived, "frame"_sel), CGRectMake(1, 2, 3, 4)) << "inherited through the superclass";
    EXPECT_TRUE(send<bool>(derived, "isKindOfClass:"_sel, static_cast<id>(shape)));
    EXPECT_FALSE(send<bool>(object.get(), "isKindOfClass:"_sel, static_cast<id>(square)));
}

TEST_F(RuntimeTest, MessagesToNilReturnZeroOfEveryType)
{
    id nothing = nil;
    EXPECT_EQ(send<id>(nothing, "sides"_sel), nil);
    EXPECT_EQ(send<int>(nothing, "sides"_sel), 0);
    EXPECT_FALSE(send<bool>(nothing, "boolValue"_sel));
    EXPECT_EQ(send<CGRect>(nothing, "frame"_sel), CGRectZero);
    EXPECT_EQ(send<double>(nothing, "doubleValue"_sel), 0.0);
    send(nothing, "setSides:"_sel, 5);
    EXPECT_TRUE(systemlog::captured().empty());
}

TEST_F(RuntimeTest, AnUnansweredMessageReturnsZero)
{
    auto object = adopt(send<id>(shape, "new"_sel));
    EXPECT_EQ(send<int>(object, "noSuchMethod"_sel), 0);
}

TEST_F(RuntimeTest, ASendWithTheWrongTypesNeverCallsTheMethod)
{
    auto object = adopt(send<id>(shape, "new"_sel));
#ifdef NDEBUG
    // Release builds refuse the call and return zero.
    send(object, "setSides:"_sel, 2.5);
    EXPECT_EQ(send<int>(object, "sides"_sel), 0);
    EXPECT_EQ(send<double>(object, "sides"_sel), 0.0);
#else
    EXPECT_DEATH(send(object, "setSides:"_sel, 2.5), "sent with types \"v@:d\" to a method of types \"v@:i\"");
#endif
}

TEST_F(RuntimeTest, ClassLookupByNameHonoursHiddenNamesButKeepsTheClassWorking)
{
    runtime::hideClassName("TestShape");
    EXPECT_EQ(objc_getClass("TestShape"), nil);
    EXPECT_EQ(NSClassFromString(NSSTR("TestShape")), nil);
    auto object = adopt(send<id>(shape, "new"_sel));
    send(object, "setSides:"_sel, 6);
    EXPECT_EQ(send<int>(object, "sides"_sel), 6) << "the platform's own reference still works";
    runtime::clearHiddenClassNames();
    EXPECT_EQ(objc_getClass("TestShape"), shape);
    EXPECT_EQ(NSClassFromString(NSSTR("TestShape")), shape);
    EXPECT_EQ(NSClassFromString(nullptr), nil);
    EXPECT_EQ(objc_getClass("NoSuchClass"), nil);
    EXPECT_EQ(objc_getClass(nullptr), nil);
}

TEST_F(RuntimeTest, AddMethodKeepsAClassesOwnMethodButMayOverrideAnInheritedOne)
{
    EXPECT_FALSE(addMethod(square, "sides"_sel, sides)) << "the class already has its own";
    auto derived = adopt(send<id>(square, "new"_sel));
    EXPECT_EQ(send<int>(derived, "sides"_sel), 4);
    EXPECT_FALSE(class_addMethod(nullptr, "sides"_sel, reinterpret_cast<IMP>(sides), "i@:"));
}

TEST_F(RuntimeTest, LoadRunsWhenALibraryRegistersItsClass)
{
    Class cls = objc_allocateClassPair(foundation::NSObjectClass(), "TestLoadingClass", 0);
    ASSERT_NE(cls, nil);
    addClassMethod(cls, "load"_sel, countLoad);
    EXPECT_EQ(loadCount, 0);
    objc_registerClassPair(cls);
    EXPECT_EQ(loadCount, 1);
    EXPECT_EQ(objc_getClass("TestLoadingClass"), cls);
}

TEST_F(RuntimeTest, FoundationStringsAndNumbersAnswerAsFoundationDoes)
{
    EXPECT_TRUE(send<bool>(NSSTR("YES"), "boolValue"_sel));
    EXPECT_TRUE(send<bool>(NSSTR("  +0012"), "boolValue"_sel));
    EXPECT_TRUE(send<bool>(NSSTR("true"), "boolValue"_sel));
    EXPECT_FALSE(send<bool>(NSSTR("NO"), "boolValue"_sel));
    EXPECT_FALSE(send<bool>(NSSTR("0"), "boolValue"_sel));
    EXPECT_FALSE(send<bool>(NSSTR(""), "boolValue"_sel));
    EXPECT_FALSE(send<bool>(NSSTR("-"), "boolValue"_sel));
    EXPECT_TRUE(send<bool>(NSSTR("abc"), "isEqualToString:"_sel, static_cast<id>(NSString::make("abc"))));
    EXPECT_FALSE(send<bool>(NSSTR("abc"), "isEqualToString:"_sel, nil)) << "a string is never equal to nil";
    EXPECT_FALSE(send<bool>(NSSTR("1"), "isEqual:"_sel, static_cast<id>(NSNumber::numberWithInteger(1))));
    EXPECT_EQ(send<unsigned long>(NSSTR("h\xc3\xa9llo"), "length"_sel), 5u);

    EXPECT_EQ(send<int>(NSNumber::numberWithDouble(1e20), "intValue"_sel), INT32_MAX) << "saturates";
    EXPECT_EQ(send<int>(NSNumber::numberWithDouble(-1e20), "intValue"_sel), INT32_MIN);
    EXPECT_EQ(send<int>(NSNumber::numberWithDouble(-2.9), "intValue"_sel), -2) << "truncates toward zero";
    EXPECT_TRUE(send<bool>(NSNumber::numberWithDouble(0.5), "boolValue"_sel));
    EXPECT_EQ(foundation::saturatingInt32(std::numeric_limits<double>::quiet_NaN()), 0);
}

}
