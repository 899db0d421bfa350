#pragma once
// A shell process in miniature for hosting: the shell's classes, virtual
// time, the demo applications installed, the shell's application object, and
// optionally a private bus with drawlet-app to launch.

#include "coregraphics/CGGeometry.h"
#include "runtime/Runtime.h"
#include "support/ForkedTest.h"

#include <string>
#include <vector>

namespace hostingtest {

inline constexpr const char* kNotes = "com.drawlet.demo.notes";
inline constexpr const char* kClock = "com.drawlet.demo.clock";

// Sets up the process on a `width` × `height` screen; with `applications`,
// also a private bus and drawlet-app as the launcher. Call first in every
// forked case.
void setUpShell(int width = 320, int height = 568, bool applications = false);
// Ends every application process and the bus.
void tearDownShell();

id provider();
id shell();
// A panel view with this frame, as the panel would make it.
id makePanel(CGRect frame);
std::vector<std::string> logged(const std::string& part);
void runFor(double seconds);

}
