#pragma once
// Selectors are interned once to small dense integers, so a class can cache its
// methods in a vector indexed by selector.

#include "objc.h"

#include <cstddef>
#include <string_view>

struct objc_selector {
    uint32_t index;
    const char* name;
};

SEL sel_registerName(const char* name);
SEL sel_getUid(const char* name);
const char* sel_getName(SEL selector);
size_t sel_count();

namespace runtime {

// A string literal that can be a template argument, for the _sel literal below.
template <size_t N>
struct SelectorName {
    constexpr SelectorName(const char (&text)[N])
    {
        for (size_t i = 0; i < N; ++i)
            chars[i] = text[i];
    }
    char chars[N];
};

}

// "initWithFrame:"_sel: interned on first use, then one load per call site.
template <runtime::SelectorName Name>
[[gnu::always_inline]] inline SEL operator""_sel()
{
    static SEL const selector = sel_registerName(Name.chars);
    return selector;
}
