#include "CALayer.h"
#include "CAKeyframeAnimation.h"
#include "CAMediaTimingFunction.h"
#include "LayerAnimations.h"

namespace {

Class g_CALayer;

CALayer* asCALayer(id self) { return static_cast<CALayer*>(self); }

CGFloat cornerRadius(id self, SEL) { return asCALayer(self)->cornerRadius; }
void setCornerRadius(id self, SEL, CGFloat radius) { asCALayer(self)->cornerRadius = radius; }
CGFloat shadowRadius(id self, SEL) { return asCALayer(self)->shadowRadius; }
void setShadowRadius(id self, SEL, CGFloat radius) { asCALayer(self)->shadowRadius = radius; }
float shadowOpacity(id self, SEL) { return asCALayer(self)->shadowOpacity; }
void setShadowOpacity(id self, SEL, float opacity) { asCALayer(self)->shadowOpacity = opacity; }
CGSize shadowOffset(id self, SEL) { return asCALayer(self)->shadowOffset; }
void setShadowOffset(id self, SEL, CGSize offset) { asCALayer(self)->shadowOffset = offset; }
bool masksToBounds(id self, SEL) { return asCALayer(self)->masksToBounds; }
void setMasksToBounds(id self, SEL, bool masks) { asCALayer(self)->masksToBounds = masks; }
id layerDelegate(id self, SEL) { return asCALayer(self)->delegate; }

}

namespace quartz {

Class CALayerClass() { return g_CALayer; }

CALayer* makeLayer()
{
    registerClasses();
    return static_cast<CALayer*>(class_createInstance(g_CALayer, 0));
}

void registerClasses()
{
    if (g_CALayer)
        return;
    foundation::registerClasses();
    registerCAMediaTimingFunction();
    registerCAAnimation();
    registerCAPropertyAnimation();
    registerCAKeyframeAnimation();
    g_CALayer = runtime::defineClass("CALayer", foundation::NSObjectClass(), runtime::makeInstance<CALayer>);
    addMethod(g_CALayer, "cornerRadius"_sel, cornerRadius);
    addMethod(g_CALayer, "setCornerRadius:"_sel, setCornerRadius);
    addMethod(g_CALayer, "shadowRadius"_sel, shadowRadius);
    addMethod(g_CALayer, "setShadowRadius:"_sel, setShadowRadius);
    addMethod(g_CALayer, "shadowOpacity"_sel, shadowOpacity);
    addMethod(g_CALayer, "setShadowOpacity:"_sel, setShadowOpacity);
    addMethod(g_CALayer, "shadowOffset"_sel, shadowOffset);
    addMethod(g_CALayer, "setShadowOffset:"_sel, setShadowOffset);
    addMethod(g_CALayer, "masksToBounds"_sel, masksToBounds);
    addMethod(g_CALayer, "setMasksToBounds:"_sel, setMasksToBounds);
    addMethod(g_CALayer, "delegate"_sel, layerDelegate);
    addLayerAnimationMethods(g_CALayer);
}

}
