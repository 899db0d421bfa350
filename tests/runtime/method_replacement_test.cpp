#include "foundation/NSObject.h"
#include "foundation/SystemLog.h"
#include "runtime/Runtime.h"
#include "substrate/Substrate.h"

#include <gtest/gtest.h>

namespace {

struct Counter : NSObject {
    int value = 0;
};

int value(id self, SEL) { return static_cast<Counter*>(self)->value; }
int baseAnswer(id, SEL) { return 10; }
int (*previousAnswer)(id, SEL);
int doubledAnswer(id self, SEL selector) { return 2 * callPrevious(previousAnswer, self, selector); }
int (*previousInherited)(id, SEL);
int inheritedPlusOne(id self, SEL selector) { return callPrevious(previousInherited, self, selector) + 1; }
int (*previousMissing)(id, SEL) = reinterpret_cast<int (*)(id, SEL)>(&baseAnswer);
int missingReplacement(id self, SEL selector) { return callPrevious(previousMissing, self, selector) + 100; }
void (*previousWrongType)(id, SEL, double);
void wrongType(id, SEL, double) { }

// Platform code that calls its own method through the runtime.
int platformCallsAnswer(id object) { return send<int>(object, "answer"_sel); }

class MethodReplacementTest : public testing::Test {
protected:
    void SetUp() override
    {
        foundation::registerClasses();
        systemlog::reset();
        systemlog::setWritesToStandardError(false);
    }

    // Fresh classes per test: replacements are permanent.
    Class makeBase(const char* name)
    {
        Class cls = runtime::defineClass(name, foundation::NSObjectClass(), runtime::makeInstance<Counter>);
        addMethod(cls, "answer"_sel, baseAnswer);
        addMethod(cls, "value"_sel, value);
        return cls;
    }

    AutoreleasePool pool;
};

TEST_F(MethodReplacementTest, ReplacingAnOwnMethodHandsBackThePreviousOneAndReachesPlatformCalls)
{
    Class base = makeBase("ReplaceOwn");
    auto object = adopt(send<id>(base, "new"_sel));
    EXPECT_EQ(platformCallsAnswer(object), 10) << "fills the lookup cache before the replacement";
    MSHookMessageEx(base, "answer"_sel, doubledAnswer, &previousAnswer);
    ASSERT_NE(previousAnswer, nullptr);
    EXPECT_EQ(platformCallsAnswer(object), 20) << "the cached answer was dropped";
}

TEST_F(MethodReplacementTest, ReplacingAnInheritedMethodLeavesTheSuperclassAlone)
{
    Class base = makeBase("ReplaceInheritedBase");
    Class derived = runtime::defineClass("ReplaceInheritedDerived", base, nullptr);
    auto baseObject = adopt(send<id>(base, "new"_sel));
    auto derivedObject = adopt(send<id>(derived, "new"_sel));
    EXPECT_EQ(platformCallsAnswer(derivedObject), 10);
    MSHookMessageEx(derived, "answer"_sel, inheritedPlusOne, &previousInherited);
    EXPECT_EQ(reinterpret_cast<IMP>(previousInherited), reinterpret_cast<IMP>(baseAnswer));
    EXPECT_EQ(platformCallsAnswer(derivedObject), 11);
    EXPECT_EQ(platformCallsAnswer(baseObject), 10);
}

TEST_F(MethodReplacementTest, ReplacingAMissingSelectorLogsAndLeavesTheSlotEmpty)
{
    Class base = makeBase("ReplaceMissing");
    MSHookMessageEx(base, "noSuchSelector"_sel, missingReplacement, &previousMissing);
    EXPECT_EQ(previousMissing, nullptr);
    EXPECT_FALSE(class_respondsToSelector(base, "noSuchSelector"_sel)) << "nothing is installed";
    // A replacement whose slot is empty still runs safely.
    EXPECT_EQ(missingReplacement(nullptr, "noSuchSelector"_sel), 100);
}

TEST_F(MethodReplacementTest, AReplacementOfAnotherTypeIsRefused)
{
    Class base = makeBase("ReplaceWrongType");
    MSHookMessageEx(base, "answer"_sel, wrongType, &previousWrongType);
    EXPECT_EQ(previousWrongType, nullptr);
    auto object = adopt(send<id>(base, "new"_sel));
    EXPECT_EQ(platformCallsAnswer(object), 10);
}

TEST_F(MethodReplacementTest, ANilClassIsIgnored)
{
    int (*slot)(id, SEL) = reinterpret_cast<int (*)(id, SEL)>(&baseAnswer);
    MSHookMessageEx(static_cast<Class>(nullptr), "answer"_sel, doubledAnswer, &slot);
    EXPECT_EQ(slot, nullptr);
}

}
