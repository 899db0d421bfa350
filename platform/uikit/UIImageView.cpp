#include "UIImageView.h"

namespace {

Class g_UIImageView;

UIImageView* asUIImageView(id self) { return static_cast<UIImageView*>(self); }

id initWithImage(id self, SEL, id image)
{
    // As on the phone, the view takes the image's size.
    CGSize const size = send<CGSize>(image, "size"_sel);
    id view = send<id>(self, "initWithFrame:"_sel, CGRectMake(0, 0, size.width, size.height));
    send(view, "setImage:"_sel, image);
    return view;
}

id image(id self, SEL) { return asUIImageView(self)->image; }

void setImage(id self, SEL, id image)
{
    asUIImageView(self)->image = static_cast<UIImage*>(uikit::acceptOnly(image, uikit::UIImageClass(), "-[UIImageView setImage:]"));
}

}

namespace uikit {

Class UIImageViewClass() { return g_UIImageView; }

void registerUIImageView()
{
    g_UIImageView = runtime::defineClass("UIImageView", UIViewClass(), runtime::makeInstance<UIImageView>);
    addMethod(g_UIImageView, "initWithImage:"_sel, initWithImage);
    addMethod(g_UIImageView, "image"_sel, image);
    addMethod(g_UIImageView, "setImage:"_sel, setImage);
}

}
