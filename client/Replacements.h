#pragma once
// The client's four method replacements and the slots holding what they replaced.

#include "runtime/Runtime.h"

namespace client {

// -[UIApplication init]
id replacement_UIApplication_init(id self, SEL selector);
extern id (*previous_UIApplication_init)(id, SEL);

// -[UIApplication _handleApplicationActivationWithScene:transitionContext:completion:]
void replacement_UIApplication_handleApplicationActivation(id self, SEL selector, id scene, id transitionContext, id completion);
extern void (*previous_UIApplication_handleApplicationActivation)(id, SEL, id, id, id);

// -[UIApplication application:willChangeStatusBarOrientation:duration:]
void replacement_UIApplication_willChangeStatusBarOrientation(id self, SEL selector, id application, long orientation, double duration);
extern void (*previous_UIApplication_willChangeStatusBarOrientation)(id, SEL, id, long, double);

// -[UIViewController prefersStatusBarHidden]
bool replacement_UIViewController_prefersStatusBarHidden(id self, SEL selector);
extern bool (*previous_UIViewController_prefersStatusBarHidden)(id, SEL);

}
