#include "UIAlertView.h"

namespace {

Class g_UIAlertView;

UIAlertView* asUIAlertView(id self) { return static_cast<UIAlertView*>(self); }

id alertViewTitle(id self, SEL) { return asUIAlertView(self)->title; }

id alertViewDescription(id self, SEL)
{
    return NSString::make("<UIAlertView: \"" + foundation::describe(asUIAlertView(self)->title) + "\">");
}

}

namespace uikit {

Class UIAlertViewClass() { return g_UIAlertView; }

void registerUIAlertView()
{
    g_UIAlertView = runtime::defineClass("UIAlertView", UIViewClass(), runtime::makeInstance<UIAlertView>);
    addMethod(g_UIAlertView, "title"_sel, alertViewTitle);
    addMethod(g_UIAlertView, "description"_sel, alertViewDescription);
}

}
