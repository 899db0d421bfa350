#include "BBBulletin.h"

#include "uikit/UIView.h"

namespace {

Class g_BBBulletin;

BBBulletin* asBBBulletin(id self) { return static_cast<BBBulletin*>(self); }

id sectionID(id self, SEL) { return asBBBulletin(self)->sectionID; }
void setSectionID(id self, SEL, id text) { asBBBulletin(self)->sectionID = uikit::acceptString(text, "-[BBBulletin setSectionID:]"); }
id bulletinTitle(id self, SEL) { return asBBBulletin(self)->title; }
void setTitle(id self, SEL, id text) { asBBBulletin(self)->title = uikit::acceptString(text, "-[BBBulletin setTitle:]"); }
id message(id self, SEL) { return asBBBulletin(self)->message; }
void setMessage(id self, SEL, id text) { asBBBulletin(self)->message = uikit::acceptString(text, "-[BBBulletin setMessage:]"); }

// Named by its section and text, with no address, so log lines that print
// it repeat.
id bulletinDescription(id self, SEL)
{
    return NSString::make("<BBBulletin: " + foundation::describe(asBBBulletin(self)->sectionID) + " \"" + foundation::describe(asBBBulletin(self)->message) + "\">");
}

}

namespace springboard {

Class BBBulletinClass() { return g_BBBulletin; }

void registerBBBulletin()
{
    g_BBBulletin = runtime::defineClass("BBBulletin", foundation::NSObjectClass(), runtime::makeInstance<BBBulletin>);
    addMethod(g_BBBulletin, "sectionID"_sel, sectionID);
    addMethod(g_BBBulletin, "setSectionID:"_sel, setSectionID);
    addMethod(g_BBBulletin, "title"_sel, bulletinTitle);
    addMethod(g_BBBulletin, "setTitle:"_sel, setTitle);
    addMethod(g_BBBulletin, "message"_sel, message);
    addMethod(g_BBBulletin, "setMessage:"_sel, setMessage);
    addMethod(g_BBBulletin, "description"_sel, bulletinDescription);
}

}
