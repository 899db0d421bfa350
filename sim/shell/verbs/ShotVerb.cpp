// shot FILE: the shell's whole screen, as the compositor draws it, written as
// an 8-bit RGBA PNG of exactly the screen (width x scale by height x scale).
#include "ArgumentChecks.h"
#include "Verbs.h"

#include "Compositor.h"
#include "RgbaPng.h"

namespace sim {

Verb shotVerb()
{
    static constexpr const char* usage = "shot FILE";
    return { "shot", { usage }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
                if (!expectArgumentCount(arguments, 1, usage, error) || !checkText("the file", arguments[0], error))
                    return std::nullopt;
                return [path = arguments[0]](ScriptContext&) {
                    std::string reason;
                    cairo_surface_t* screen = compositor::drawScreen(&reason);
                    if (!screen)
                        return VerbResult::failed("cannot draw the screen: " + reason);
                    bool const written = writeRgbaPng(screen, path, &reason);
                    cairo_surface_destroy(screen);
                    if (!written)
                        return VerbResult::failed("cannot write " + path + ": " + reason);
                    return VerbResult::done();
                };
            } };
}

}
