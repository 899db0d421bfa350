#pragma once
// Core Animation layers as far as the views use them: the drawing attributes a
// view leaves to its layer (rounded corners, shadow, clipping). Each UIView owns
// one; the compositor reads these fields.
//
// Encodings: cornerRadius, shadowRadius "d"; shadowOpacity "f" (a float, as on
// the phone: send it 0.5f); shadowOffset "{CGSize=dd}"; masksToBounds "B".

#include "CGGeometry.h"
#include "foundation/NSObject.h"

struct CALayer : NSObject {
    CGFloat cornerRadius = 0;
    CGFloat shadowRadius = 3;
    float shadowOpacity = 0;
    CGSize shadowOffset { 0, -3 };
    bool masksToBounds = false;
    // The view the layer draws for; not retained (the view owns the layer).
    id delegate = nullptr;
};

namespace quartz {

Class CALayerClass();

// A new layer (+1 reference), for views that create theirs.
CALayer* makeLayer();

// Registers the QuartzCore classes; safe to call more than once. Registers
// Foundation first.
void registerClasses();

}
