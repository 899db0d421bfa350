#include "foundation/NSObject.h"
#include "runtime/Runtime.h"

#include <gtest/gtest.h>

namespace {

int freed = 0;

struct Tracked : NSObject {
    ~Tracked() override { ++freed; }
};

class MemoryTest : public testing::Test {
protected:
    void SetUp() override
    {
        foundation::registerClasses();
        tracked = objc_getClass("TrackedObject");
        if (!tracked)
            tracked = runtime::defineClass("TrackedObject", foundation::NSObjectClass(), runtime::makeInstance<Tracked>);
        freed = 0;
    }

    id make() { return send<id>(tracked, "new"_sel); }

    Class tracked = nullptr;
};

TEST_F(MemoryTest, AStrongReferenceReleasesWhatItHeldWhenOverwritten)
{
    Strong<objc_object> reference = adopt(make());
    id first = reference;
    reference = first;
    EXPECT_EQ(freed, 0) << "storing the object already held keeps it";
    reference = adopt(make());
    EXPECT_EQ(freed, 1);
    reference = nullptr;
    EXPECT_EQ(freed, 2);
}

TEST_F(MemoryTest, CopiesAndMovesKeepOneRetainEach)
{
    {
        Strong<objc_object> a = adopt(make());
        Strong<objc_object> b = a;
        Strong<objc_object> c = std::move(a);
        // A moved-from Strong is empty: that is what is checked.
        EXPECT_EQ(a.get(), nullptr); // NOLINT(bugprone-use-after-move)
        EXPECT_EQ(b.get(), c.get());
        EXPECT_EQ(b->retainCount, 2u);
    }
    EXPECT_EQ(freed, 1);
}

TEST_F(MemoryTest, APoolReleasesAutoreleasedObjectsWhenItEnds)
{
    {
        AutoreleasePool pool;
        objc_autorelease(make());
        objc_autorelease(make());
        EXPECT_EQ(freed, 0);
    }
    EXPECT_EQ(freed, 2);
}

}
