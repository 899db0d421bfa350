#include "SBDisplayItem.h"

namespace {

Class g_SBDisplayItem;

SBDisplayItem* asSBDisplayItem(id self) { return static_cast<SBDisplayItem*>(self); }

id displayItemWithType(id cls, SEL, id type, id displayIdentifier)
{
    auto* item = static_cast<SBDisplayItem*>(send<id>(send<id>(cls, "alloc"_sel), "init"_sel));
    item->type = foundation::isKindOf(type, foundation::NSStringClass()) ? static_cast<NSString*>(type) : nullptr;
    item->displayIdentifier = foundation::isKindOf(displayIdentifier, foundation::NSStringClass()) ? static_cast<NSString*>(displayIdentifier) : nullptr;
    return objc_autorelease(item);
}

id displayItemType(id self, SEL) { return asSBDisplayItem(self)->type; }
id displayItemIdentifier(id self, SEL) { return asSBDisplayItem(self)->displayIdentifier; }

}

bool SBDisplayItem::isHomeScreen() const
{
    return type && type->value == kDisplayItemTypeHomeScreen;
}

namespace springboard {

Class SBDisplayItemClass() { return g_SBDisplayItem; }

void registerSBDisplayItem()
{
    g_SBDisplayItem = runtime::defineClass("SBDisplayItem", foundation::NSObjectClass(), runtime::makeInstance<SBDisplayItem>);
    addClassMethod(g_SBDisplayItem, "displayItemWithType:displayIdentifier:"_sel, displayItemWithType);
    addMethod(g_SBDisplayItem, "type"_sel, displayItemType);
    addMethod(g_SBDisplayItem, "displayIdentifier"_sel, displayItemIdentifier);
}

SBDisplayItem* makeDisplayItem(const std::string& bundleIdentifier)
{
    bool const home = bundleIdentifier.empty();
    id type = NSString::make(home ? kDisplayItemTypeHomeScreen : kDisplayItemTypeApplication);
    id identifier = NSString::make(home ? std::string(kHomeScreenDisplayIdentifier) : bundleIdentifier);
    return static_cast<SBDisplayItem*>(send<id>(g_SBDisplayItem, "displayItemWithType:displayIdentifier:"_sel, type, identifier));
}

}
