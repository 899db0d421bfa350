#include "UIAlertView.h"

namespace {

Class g_UIAlertView;

UIAlertView* self_(id self) { return static_cast<UIAlertView*>(self); }

id title(id self, SEL) { return self_(self)->title; }

id description(id self, SEL)
{
    return NSString::make("<UIAlertView: \"" + foundation::describe(self_(self)->title) + "\">");
}

}

namespace uikit {

Class UIAlertViewClass() { return g_UIAlertView; }

void registerUIAlertView()
{
    g_UIAlertView = runtime::defineClass("UIAlertView", UIViewClass(), runtime::makeInstance<UIAlertView>);
    addMethod(g_UIAlertView, "title"_sel, title);
    addMethod(g_UIAlertView, "description"_sel, description);
}

}
