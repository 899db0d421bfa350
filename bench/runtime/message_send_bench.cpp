// The cost of a message through the method table, against a C++ virtual call,
// and of a replaced method that calls its previous implementation.
#include "VirtualCounter.h"
#include "foundation/NSObject.h"
#include "runtime/Runtime.h"
#include "substrate/Substrate.h"

#include <benchmark/benchmark.h>

namespace {

struct Counter : NSObject {
    long count = 0;
};

void increment(id self, SEL) { ++static_cast<Counter*>(self)->count; }
void (*previousIncrement)(id, SEL);
void replacedIncrement(id self, SEL selector) { callPrevious(previousIncrement, self, selector); }

// A named function rather than a lambda: clang 14 crashes on selector literals
// inside a lambda that initialises a static.
Class defineCounterClasses()
{
    foundation::registerClasses();
    Class c = runtime::defineClass("BenchCounter", foundation::NSObjectClass(), runtime::makeInstance<Counter>);
    addMethod(c, "increment"_sel, increment);
    addMethod(c, "incrementTwice"_sel, increment);
    Class hooked = runtime::defineClass("BenchHookedCounter", c, nullptr);
    MSHookMessageEx(hooked, "increment"_sel, replacedIncrement, &previousIncrement);
    return c;
}

Class counterClass()
{
    static Class const cls = defineCounterClasses();
    return cls;
}

void BM_VirtualCall(benchmark::State& state)
{
    VirtualCounter* counter = makeVirtualCounter();
    benchmark::DoNotOptimize(counter);
    for (auto _ : state) {
        counter->increment();
        benchmark::ClobberMemory();
    }
    delete counter;
}
BENCHMARK(BM_VirtualCall);

void BM_MessageSend(benchmark::State& state)
{
    id counter = send<id>(counterClass(), "new"_sel);
    for (auto _ : state) {
        send(counter, "increment"_sel);
        benchmark::ClobberMemory();
    }
    objc_release(counter);
}
BENCHMARK(BM_MessageSend);

void BM_TwoMessageSends(benchmark::State& state)
{
    id counter = send<id>(counterClass(), "new"_sel);
    for (auto _ : state) {
        send(counter, "increment"_sel);
        send(counter, "incrementTwice"_sel);
        benchmark::ClobberMemory();
    }
    objc_release(counter);
}
BENCHMARK(BM_TwoMessageSends);

void BM_ReplacedMethodCallingPrevious(benchmark::State& state)
{
    counterClass();
    id counter = send<id>(objc_getClass("BenchHookedCounter"), "new"_sel);
    for (auto _ : state) {
        send(counter, "increment"_sel);
        benchmark::ClobberMemory();
    }
    objc_release(counter);
}
BENCHMARK(BM_ReplacedMethodCallingPrevious);

}

BENCHMARK_MAIN();
