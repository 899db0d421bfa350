#include "TouchViews.h"

#include "uikit/UIKit.h"

namespace apps {

TouchViews::TouchViews(UIView* window, AppRenderer& renderer)
    : m_window(window)
    , m_renderer(renderer)
{
    layOut();
}

void TouchViews::followScreen()
{
    ScreenArea const area = m_renderer.area();
    if (area.width == m_laidOutFor.width && area.height == m_laidOutFor.height)
        return;
    layOut();
}

void TouchViews::layOut()
{
    m_laidOutFor = m_renderer.area();
    CGRect const screen = CGRectMake(0, 0, m_laidOutFor.width, m_laidOutFor.height);
    // The window turns with the screen, or touches beyond its upright width
    // would miss it.
    send(static_cast<id>(m_window), "setFrame:"_sel, screen);
    if (m_container)
        send(m_container.get(), "removeFromSuperview"_sel);
    m_container = adopt(send<id>(send<id>(uikit::UIViewClass(), "alloc"_sel), "initWithFrame:"_sel, screen));
    m_renderer.screen().addTouchViews(static_cast<UIView*>(m_container.get()), m_laidOutFor);
    send(static_cast<id>(m_window), "addSubview:"_sel, m_container.get());
}

}
