#include "LastDrawnFrame.h"

#include "RgbaPng.h"

namespace apps {

LastDrawnFrame::~LastDrawnFrame()
{
    replace(nullptr);
}

void LastDrawnFrame::replace(cairo_surface_t* surface)
{
    if (m_surface)
        cairo_surface_destroy(m_surface);
    m_surface = surface;
}

bool LastDrawnFrame::savePng(const std::string& path, std::string* error) const
{
    if (!m_surface) {
        *error = "nothing has been drawn yet";
        return false;
    }
    return sim::writeRgbaPng(m_surface, path, error);
}

}
