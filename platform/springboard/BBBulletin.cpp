#include "BBBulletin.h"

#include "uikit/UIView.h"

namespace {

Class g_BBBulletin;

BBBulletin* self_(id self) { return static_cast<BBBulletin*>(self); }

NSString* acceptText(id text, const char* where)
{
    return static_cast<NSString*>(uikit::acceptOnly(text, foundation::NSStringClass(), where));
}

id sectionID(id self, SEL) { return self_(self)->sectionID; }
void setSectionID(id self, SEL, id text) { self_(self)->sectionID = acceptText(text, "-[BBBulletin setSectionID:]"); }
id title(id self, SEL) { return self_(self)->title; }
void setTitle(id self, SEL, id text) { self_(self)->title = acceptText(text, "-[BBBulletin setTitle:]"); }
id message(id self, SEL) { return self_(self)->message; }
void setMessage(id self, SEL, id text) { self_(self)->message = acceptText(text, "-[BBBulletin setMessage:]"); }

// Named by its section and text, with no address, so log lines that print
// it repeat.
id description(id self, SEL)
{
    return NSString::make("<BBBulletin: " + foundation::describe(self_(self)->sectionID) + " \"" + foundation::describe(self_(self)->message) + "\">");
}

}

namespace springboard {

Class BBBulletinClass() { return g_BBBulletin; }

void registerBBBulletin()
{
    g_BBBulletin = runtime::defineClass("BBBulletin", foundation::NSObjectClass(), runtime::makeInstance<BBBulletin>);
    addMethod(g_BBBulletin, "sectionID"_sel, sectionID);
    addMethod(g_BBBulletin, "setSectionID:"_sel, setSectionID);
    addMethod(g_BBBulletin, "title"_sel, title);
    addMethod(g_BBBulletin, "setTitle:"_sel, setTitle);
    addMethod(g_BBBulletin, "message"_sel, message);
    addMethod(g_BBBulletin, "setMessage:"_sel, setMessage);
    addMethod(g_BBBulletin, "description"_sel, description);
}

}
