// The listener as Activator meets it: registered under both names as the
// library loads, with default events on the first load alone, and its answers
// for Activator's settings.
#include "PanelFixture.h"

#include "actions/ActivatorPopup.h"
#include "activator/ActivatorClasses.h"
#include "foundation/DevicePath.h"
#include "foundation/NSArray.h"
#include "foundation/NSData.h"
#include "runtime/AutoreleasePool.h"
#include "springboard/SpringBoardClasses.h"

#include <cairo.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace shelltest;

namespace {

const char* const kToggle = "com.quillbrook.drawlet.toggleHidden";
const char* const kPin = "com.quillbrook.drawlet.pinCurrentApp";

id activatorObject() { return LASharedActivator; }

id listenerFor(const char* name) { return send<id>(activatorObject(), "listenerForName:"_sel, static_cast<id>(NSString::make(name))); }

std::string answer(const char* selector, const char* name)
{
    auto* text = send<NSString*>(listenerFor(kToggle), sel_registerName(selector), activatorObject(), static_cast<id>(NSString::make(name)));
    return text ? text->value : "(nil)";
}

std::string assignedTo(const char* event)
{
    id made = send<id>(activator::LAEventClass(), "eventWithName:"_sel, static_cast<id>(NSString::make(event)));
    auto* name = send<NSString*>(activatorObject(), "assignedListenerNameForEvent:"_sel, made);
    return name ? name->value : "(none)";
}

NSData* smallIcon(const char* name)
{
    double scale = 2;
    return send<NSData*>(listenerFor(kPin), "activator:requiresSmallIconDataForListenerName:scale:"_sel, activatorObject(),
        static_cast<id>(NSString::make(name)), &scale);
}

void loadLibrary()
{
    springboard::registerClasses();
    activator::registerClasses();
    setUpShellProcess();
    foundation::setDeviceRoot(DRAWLET_DEVICE_ROOT);
    registerActivatorPopup();
}

}

FORKED_TEST(ActivatorListener, TheFirstLoadRegistersBothNamesWithTheirDefaultEvents)
{
    AutoreleasePool pool;
    loadLibrary();
    EXPECT_NE(listenerFor(kToggle), nullptr);
    EXPECT_NE(listenerFor(kPin), nullptr);
    EXPECT_NE(listenerFor(kToggle), listenerFor(kPin)) << "an instance of its own for each name";
    EXPECT_EQ(assignedTo("libactivator.statusbar.tap.double"), kToggle);
    EXPECT_EQ(assignedTo("libactivator.lock.hold.short"), kPin);
}

FORKED_TEST(ActivatorListener, AnswersForBothNamesAndAnyOther)
{
    AutoreleasePool pool;
    loadLibrary();
    for (auto const* name : { kToggle, kPin, "com.example.other" })
        EXPECT_EQ(answer("activator:requiresLocalizedGroupForListenerName:", name), "Drawlet") << name;
    EXPECT_EQ(answer("activator:requiresLocalizedTitleForListenerName:", kToggle), "Hide/Show Drawlet");
    EXPECT_EQ(answer("activator:requiresLocalizedTitleForListenerName:", kPin), "Pin Current App");
    EXPECT_EQ(answer("activator:requiresLocalizedTitleForListenerName:", "com.example.other"), "");
    EXPECT_EQ(answer("activator:requiresLocalizedDescriptionForListenerName:", kToggle), "Shows or hides the grabber");
    EXPECT_EQ(answer("activator:requiresLocalizedDescriptionForListenerName:", kPin), "Pins the current app and goes home");
    EXPECT_EQ(answer("activator:requiresLocalizedDescriptionForListenerName:", "com.example.other"), "");

    auto* modes = send<NSArray*>(listenerFor(kPin), "activator:requiresCompatibleEventModesForListenerWithName:"_sel, activatorObject(),
        static_cast<id>(NSSTR("com.example.other")));
    ASSERT_NE(modes, nullptr);
    std::vector<std::string> names;
    for (auto const& mode : modes->items)
        names.push_back(static_cast<NSString*>(mode.get())->value);
    EXPECT_EQ(names, (std::vector<std::string> { "springboard", "lockscreen", "application" }));
}

FORKED_TEST(ActivatorListener, TheIconIsTheBundlesSmallIconAsPngAndNilWithoutIt)
{
    AutoreleasePool pool;
    loadLibrary();
    NSData* icon = smallIcon("com.example.other");
    ASSERT_NE(icon, nullptr);
    std::string const png(icon->bytes.begin(), icon->bytes.end());
    EXPECT_EQ(png.substr(1, 3), "PNG");
    double scale = 2;
    auto* large = send<NSData*>(listenerFor(kToggle), "activator:requiresIconDataForListenerName:scale:"_sel, activatorObject(),
        static_cast<id>(NSString::make(kToggle)), &scale);
    ASSERT_NE(large, nullptr);
    EXPECT_EQ(large->bytes, icon->bytes) << "the same image for both sizes";
    EXPECT_EQ(scale, 2) << "the scale is neither read nor changed";

    // The decoded PNG has the file's size.
    cairo_surface_t* file = cairo_image_surface_create_from_png(
        (std::string(DRAWLET_DEVICE_ROOT) + "/Library/MobileSubstrate/DynamicLibraries/DrawletBundle.bundle/icon-small.png").c_str());
    ASSERT_EQ(cairo_surface_status(file), CAIRO_STATUS_SUCCESS);
    std::filesystem::path const copy = std::filesystem::temp_directory_path() / ("drawlet-icon-" + std::to_string(getpid()) + ".png");
    std::ofstream(copy, std::ios::binary) << png;
    cairo_surface_t* decoded = cairo_image_surface_create_from_png(copy.c_str());
    EXPECT_EQ(cairo_image_surface_get_width(decoded), cairo_image_surface_get_width(file));
    EXPECT_EQ(cairo_image_surface_get_height(decoded), cairo_image_surface_get_height(file));
    cairo_surface_destroy(decoded);
    cairo_surface_destroy(file);
    std::filesystem::remove(copy);

    // A bundle without "icon-small".
    char pattern[] = "/tmp/drawlet-root-XXXXXX";
    std::string const root = mkdtemp(pattern);
    std::filesystem::create_directories(root + "/Library/MobileSubstrate/DynamicLibraries/DrawletBundle.bundle");
    foundation::setDeviceRoot(root);
    EXPECT_EQ(smallIcon(kPin), nullptr);
}
