#include "AppScreenFactory.h"
#include "ClockScreen.h"
#include "GridScreen.h"
#include "NotesScreen.h"
#include "SettingsScreen.h"

namespace apps {

std::unique_ptr<AppScreen> makeAppScreen(const std::string& bundleIdentifier)
{
    if (bundleIdentifier == "com.drawlet.demo.notes")
        return std::make_unique<NotesScreen>();
    if (bundleIdentifier == "com.drawlet.demo.clock")
        return std::make_unique<ClockScreen>();
    if (bundleIdentifier == "com.drawlet.demo.grid")
        return std::make_unique<GridScreen>();
    if (bundleIdentifier == "com.drawlet.settings")
        return std::make_unique<SettingsScreen>();
    return nullptr;
}

}
