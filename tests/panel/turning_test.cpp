// Turning the phone lays the overlay out for the turned screen in every
// state of the panel, and turning back puts everything where it was.
#include "PanelFixture.h"

#include "core/PanelState.h"
#include "runtime/AutoreleasePool.h"
#include "uikit/UIKit.h"

using namespace shelltest;
using namespace paneltest;

namespace {

struct Layout {
    CGRect dimming, overlay, panel, grabber;
    bool operator==(const Layout&) const = default;
};

std::ostream& operator<<(std::ostream& out, const CGRect& r)
{
    return out << "(" << r.origin.x << ", " << r.origin.y << ", " << r.size.width << ", " << r.size.height << ")";
}

std::ostream& operator<<(std::ostream& out, const Layout& l)
{
    return out << "dimming " << l.dimming << " overlay " << l.overlay << " panel " << l.panel << " grabber " << l.grabber;
}

Layout layout()
{
    return { frameOf(bounds.get()), frameOf(window.get()), frameOf(applicationContainerView.get()), frameOf(grabber.get()) };
}

void turn(long orientation)
{
    send(shell(), "noteInterfaceOrientationChanged:duration:"_sel, orientation, 0.4);
    runFor(0);
}

enum class PanelState {
    Closed,
    Open,
    Hidden,
};

void enter(PanelState state)
{
    if (state == PanelState::Open) {
        send(shell(), "tapGrabber:"_sel, shell());
        runFor(0.4);
    }
    if (state == PanelState::Hidden) {
        isHidden = true;
        CGRect frame = frameOf(window.get());
        frame.origin.x = 320;
        send(window.get(), "setFrame:"_sel, frame);
    }
}

}

FORKED_TEST(PanelOrientation, TheOverlayRestsOnTheTurnedScreenInEveryStateAndComesBack)
{
    AutoreleasePool pool;
    launchPinnedShell(320, 568);
    for (auto state : { PanelState::Closed, PanelState::Open, PanelState::Hidden }) {
        enter(state);
        Layout const upright = layout();
        for (long orientation : { 3l, 4l }) {
            turn(orientation);
            Layout const turned = layout();
            double const restingX = state == PanelState::Open ? 4 : state == PanelState::Closed ? 568 - 50
                                                                                                : 568;
            EXPECT_EQ(turned.dimming, CGRectMake(0, 0, 568, 320)) << turned;
            EXPECT_EQ(turned.overlay, CGRectMake(restingX, 0, 568, 320)) << turned;
            EXPECT_EQ(turned.panel, CGRectMake(53, 50, 568, 220)) << turned;
            EXPECT_EQ(turned.grabber, CGRectMake(upright.grabber.origin.x, 320 - 125, 70, 25)) << "as far from the bottom edge as upright";
            if (state == PanelState::Closed) {
                EXPECT_GE(restingX + turned.panel.origin.x, 568) << "the closed panel, with the hosted application in it, is off the screen";
                EXPECT_EQ(send<id>(applicationView.get(), "superview"_sel), applicationContainerView.get());
                double const grabberLeft = restingX + turned.grabber.origin.x;
                EXPECT_TRUE(grabberLeft > 568 - 50 && grabberLeft < 568) << "the grabber is on the screen, at its right edge";
            }
        }
        turn(1);
        EXPECT_EQ(layout(), upright) << "turned back, everything is where it was";
        if (state == PanelState::Open) {
            send(shell(), "tapGrabber:"_sel, shell());
            runFor(0.4);
        }
    }
}

FORKED_TEST(PanelOrientation, AGrabberThatWouldLeaveTheShorterScreenIsClampedOntoIt)
{
    AutoreleasePool pool;
    launchPinnedShell(320, 568);
    send(grabber.get(), "setFrame:"_sel, CGRectMake(26, 10, 70, 25));
    turn(3);
    EXPECT_EQ(frameOf(grabber.get()).origin.y, 0) << "558 points from the bottom of a 320-point screen";
    send(grabber.get(), "setFrame:"_sel, CGRectMake(26, 310, 70, 25));
    turn(1);
    EXPECT_EQ(frameOf(grabber.get()).origin.y, 568 - 25) << "its top 10 points from the bottom would leave it half off: its whole height stays on";
}
