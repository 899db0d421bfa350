#include "CAMediaTimingFunction.h"

#include "foundation/NSString.h"
#include "foundation/SystemLog.h"

#include <array>
#include <string_view>

namespace {

Class g_CAMediaTimingFunction;

struct NamedCurve {
    std::string_view name;
    quartz::TimingCurve curve;
};

// Core Animation's control points for each name.
constexpr std::array kNamedCurves {
    NamedCurve { kCAMediaTimingFunctionLinear, quartz::kLinearCurve },
    NamedCurve { kCAMediaTimingFunctionEaseIn, { 0.42, 0, 1, 1 } },
    NamedCurve { kCAMediaTimingFunctionEaseOut, { 0, 0, 0.58, 1 } },
    NamedCurve { kCAMediaTimingFunctionEaseInEaseOut, quartz::kEaseInEaseOutCurve },
    NamedCurve { kCAMediaTimingFunctionDefault, { 0.25, 0.1, 0.25, 1 } },
};

id functionWithName(id self, SEL, id name)
{
    if (foundation::isKindOf(name, foundation::NSStringClass())) {
        for (auto const& named : kNamedCurves) {
            if (static_cast<NSString*>(name)->value != named.name)
                continue;
            auto* function = static_cast<CAMediaTimingFunction*>(class_createInstance(reinterpret_cast<Class>(self), 0));
            function->curve = named.curve;
            return objc_autorelease(function);
        }
    }
    systemlog::write(kCFLogLevelError, "+[CAMediaTimingFunction functionWithName:]: no timing function is named " + foundation::describe(name));
    return nullptr;
}

}

namespace quartz {

Class CAMediaTimingFunctionClass() { return g_CAMediaTimingFunction; }

void registerCAMediaTimingFunction()
{
    g_CAMediaTimingFunction = runtime::defineClass("CAMediaTimingFunction", foundation::NSObjectClass(), runtime::makeInstance<CAMediaTimingFunction>);
    addClassMethod(g_CAMediaTimingFunction, "functionWithName:"_sel, functionWithName);
}

}
