// shot-app BUNDLE_ID FILE: the application's last drawn frame, as the shell
// holds it, written as an 8-bit RGBA PNG of exactly its screen.
#include "ArgumentChecks.h"
#include "Verbs.h"

#include "RgbaPng.h"
#include "frontboard/ApplicationProcesses.h"

namespace sim {

Verb shotAppVerb()
{
    static constexpr const char* usage = "shot-app BUNDLE_ID FILE";
    return { "shot-app", { usage }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
                if (!expectArgumentCount(arguments, 2, usage, error) || !checkText("the bundle identifier", arguments[0], error)
                    || !checkText("the file", arguments[1], error))
                    return std::nullopt;
                return [bundleIdentifier = arguments[0], path = arguments[1]](ScriptContext&) {
                    auto& processes = frontboard::ApplicationProcesses::shared();
                    if (processes.state(bundleIdentifier) == frontboard::ApplicationState::NotRunning)
                        return VerbResult::failed(bundleIdentifier + " is not running");
                    cairo_surface_t* frame = processes.copyLastFrame(bundleIdentifier);
                    if (!frame)
                        return VerbResult::failed(bundleIdentifier + " has not drawn a frame the shell can read");
                    std::string reason;
                    bool const written = writeRgbaPng(frame, path, &reason);
                    cairo_surface_destroy(frame);
                    if (!written)
                        return VerbResult::failed("cannot write " + path + ": " + reason);
                    return VerbResult::done();
                };
            } };
}

}
