#pragma once
// Core Animation layers as far as the views use them: the drawing attributes a
// view leaves to its layer (rounded corners, shadow, clipping) and the
// animations added to it (LayerAnimations.h). Each UIView owns one; the
// compositor reads these fields.
//
// Encodings: cornerRadius, shadowRadius "d"; shadowOpacity "f" (a float, as on
// the phone: send it 0.5f); shadowOffset "{CGSize=dd}"; masksToBounds "B".

#include "KeyframeTrack.h"

#include "coregraphics/CGGeometry.h"
#include "foundation/NSObject.h"
#include "foundation/NSString.h"

#include <cstdint>
#include <vector>

// An animation running on a layer, from the instant it was added.
struct LayerAnimation {
    // Nil for an animation added without a key.
    Strong<NSString> key;
    Strong<objc_object> animation;
    quartz::KeyframeTrack track;
    int64_t beginNanoseconds = 0;
    uint64_t serial = 0;
};

struct CALayer : NSObject {
    CGFloat cornerRadius = 0;
    CGFloat shadowRadius = 3;
    float shadowOpacity = 0;
    CGSize shadowOffset { 0, -3 };
    bool masksToBounds = false;
    // The view the layer draws for; not retained (the view owns the layer).
    id delegate = nullptr;
    // In the order they were added.
    std::vector<LayerAnimation> animations;
    uint64_t nextAnimationSerial = 1;
};

namespace quartz {

Class CALayerClass();

// A new layer (+1 reference), for views that create theirs.
CALayer* makeLayer();

// Registers the QuartzCore classes; safe to call more than once. Registers
// Foundation first.
void registerClasses();

}
