#include "ViewFrames.h"

#include "coregraphics/CGGeometry.h"

void setOriginX(id view, double x)
{
    CGRect frame = send<CGRect>(view, "frame"_sel);
    frame.origin.x = x;
    send(view, "setFrame:"_sel, frame);
}

void setOriginY(id view, double y)
{
    CGRect frame = send<CGRect>(view, "frame"_sel);
    frame.origin.y = y;
    send(view, "setFrame:"_sel, frame);
}
