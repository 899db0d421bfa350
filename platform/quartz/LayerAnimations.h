#pragma once
// Animations on layers: addAnimation:forKey: runs a keyframe animation from
// now on the main run loop's clock; a second one under the same key replaces
// the first; one that ends is removed (unless it asked to stay). The model
// values never change: the compositor asks for the values on screen.
//
// Encodings: addAnimation:forKey: "v@:@@", animationForKey: "@@:@",
// removeAnimationForKey: "v@:@", removeAllAnimations "v@:", animationKeys
// "@@:".
//
// Key paths drawn: "transform.translation.x" and "transform.translation.y"
// (points, replacing the translation of the view's transform while they
// run). Others are kept and answered, but not drawn; a log line says so.

#include "CALayer.h"

#include <optional>
#include <string_view>

namespace quartz {

void addLayerAnimationMethods(Class layerClass);

// The value the layer's running animations show for `keyPath` now (the one
// added last wins), or nullopt when none of them animates it.
std::optional<double> presentationValue(const CALayer* layer, std::string_view keyPath);

// The transform on screen: `model` with the translation the running
// animations show. `model` itself without any.
CGAffineTransform presentationTransform(const CALayer* layer, const CGAffineTransform& model);

}
