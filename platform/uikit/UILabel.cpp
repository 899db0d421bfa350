#include "UILabel.h"

namespace {

Class g_UILabel;
constexpr CGFloat kDefaultFontSize = 17;

UILabel* asUILabel(id self) { return static_cast<UILabel*>(self); }

id labelText(id self, SEL) { return asUILabel(self)->text; }
void setLabelText(id self, SEL, id text)
{
    asUILabel(self)->text = uikit::acceptString(text, "-[UILabel setText:]");
}

id textColor(id self, SEL)
{
    auto* label = asUILabel(self);
    return label->textColor ? static_cast<id>(label->textColor) : UIColor::make(0, 0, 0, 1);
}

void setTextColor(id self, SEL, id color)
{
    asUILabel(self)->textColor = static_cast<UIColor*>(uikit::acceptOnly(color, uikit::UIColorClass(), "-[UILabel setTextColor:]"));
}

id font(id self, SEL)
{
    auto* label = asUILabel(self);
    return label->font ? static_cast<id>(label->font) : UIFont::systemFont(kDefaultFontSize);
}

void setFont(id self, SEL, id font)
{
    asUILabel(self)->font = static_cast<UIFont*>(uikit::acceptOnly(font, uikit::UIFontClass(), "-[UILabel setFont:]"));
}

long textAlignment(id self, SEL) { return asUILabel(self)->textAlignment; }
void setTextAlignment(id self, SEL, long alignment) { asUILabel(self)->textAlignment = alignment; }

long numberOfLines(id self, SEL) { return asUILabel(self)->numberOfLines; }
// As UIKit does, a negative count reads as no limit.
void setNumberOfLines(id self, SEL, long lines) { asUILabel(self)->numberOfLines = lines < 0 ? 0 : lines; }

}

namespace uikit {

Class UILabelClass() { return g_UILabel; }

void registerUILabel()
{
    g_UILabel = runtime::defineClass("UILabel", UIViewClass(), runtime::makeInstance<UILabel>);
    addMethod(g_UILabel, "text"_sel, labelText);
    addMethod(g_UILabel, "setText:"_sel, setLabelText);
    addMethod(g_UILabel, "textColor"_sel, textColor);
    addMethod(g_UILabel, "setTextColor:"_sel, setTextColor);
    addMethod(g_UILabel, "font"_sel, font);
    addMethod(g_UILabel, "setFont:"_sel, setFont);
    addMethod(g_UILabel, "textAlignment"_sel, textAlignment);
    addMethod(g_UILabel, "setTextAlignment:"_sel, setTextAlignment);
    addMethod(g_UILabel, "numberOfLines"_sel, numberOfLines);
    addMethod(g_UILabel, "setNumberOfLines:"_sel, setNumberOfLines);
}

}
