#include "UIResponder.h"

namespace {
Class g_UIResponder;
}

namespace uikit {

Class UIResponderClass() { return g_UIResponder; }

void registerUIResponder()
{
    g_UIResponder = runtime::defineClass("UIResponder", foundation::NSObjectClass(), runtime::makeInstance<UIResponder>);
}

}
