#pragma once
// A shell process in miniature for the shell library's tests: the platform's
// classes, virtual time, in-process notifications, a home of its own, and the
// grabber's views built as the panel builds them.

#include "coregraphics/CGGeometry.h"
#include "foundation/NSDictionary.h"
#include "runtime/Runtime.h"
#include "support/ForkedTest.h"

#include <string>
#include <vector>

struct UIColor;

namespace shelltest {

// Sets up the process; call first in every forked case.
void setUpShellProcess();

// HOME/Library/Preferences/com.quillbrook.drawlet-preferences.plist
std::string settingsPath();
// Writes the settings file as an XML property list with these raw <dict> items.
void writeSettingsXML(const std::string& dictItems);
void writeSettingsBytes(const std::string& bytes);
std::string readFileBytes(const std::string& path);

// The grabber, its arrow and its icon with their construction frames.
void buildGrabberViews();

CGRect frameOf(id view);
bool isHiddenView(id view);
UIColor* backgroundColorOf(id view);
UIColor* tintColorOf(id view);
long arrowRenderingMode();

// Messages the shell library has logged so far that begin "[Drawlet] ".
std::vector<std::string> drawletLines();

// Posts the settings-changed notification and runs the loop for `seconds`.
void postSettingsChanged();
void runFor(double seconds);

bool colorIs(UIColor* color, double red, double green, double blue, double alpha = 1);

}
