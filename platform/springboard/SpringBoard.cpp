#include "SpringBoard.h"

namespace {

Class g_SpringBoard;

SpringBoard* self_(id self) { return static_cast<SpringBoard*>(self); }

void applicationDidFinishLaunching(id self, SEL, id)
{
    self_(self)->finishedLaunching = true;
}

void handleMenuButtonEvent(id self, SEL)
{
    // Going home: the home screen comes to the front.
    ++self_(self)->homePressCount;
}

void noteInterfaceOrientationChanged(id self, SEL, long orientation, double)
{
    self_(self)->interfaceOrientation = orientation;
}

}

namespace springboard {

Class SpringBoardClass() { return g_SpringBoard; }

void registerSpringBoard()
{
    g_SpringBoard = runtime::defineClass("SpringBoard", uikit::UIApplicationClass(), runtime::makeInstance<SpringBoard>);
    addMethod(g_SpringBoard, "applicationDidFinishLaunching:"_sel, applicationDidFinishLaunching);
    addMethod(g_SpringBoard, "_handleMenuButtonEvent"_sel, handleMenuButtonEvent);
    addMethod(g_SpringBoard, "noteInterfaceOrientationChanged:duration:"_sel, noteInterfaceOrientationChanged);
}

}
