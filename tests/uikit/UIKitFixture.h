#pragma once
// Each UIKit test starts from registered classes, a fresh screen, no shared
// application and no visible windows, and drains what it autoreleased.

#include "foundation/SystemLog.h"
#include "uikit/UIKit.h"

#include <gtest/gtest.h>

#include <optional>

class UIKitTest : public testing::Test {
protected:
    void SetUp() override
    {
        uikit::registerClasses();
        uikit::reset();
        systemlog::setWritesToStandardError(false);
        systemlog::reset();
        pool.emplace();
    }

    void TearDown() override
    {
        pool.reset();
        uikit::reset();
        systemlog::setWritesToStandardError(true);
    }

    // A new object of the class, initialised with its frame, owned by the test.
    template <class T>
    Strong<T> make(Class cls, CGRect frame)
    {
        id object = send<id>(send<id>(cls, "alloc"_sel), "initWithFrame:"_sel, frame);
        return adopt(static_cast<T*>(object));
    }

    std::optional<AutoreleasePool> pool;
};
