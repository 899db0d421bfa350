#pragma once
// The shell process with Drawlet's hooks, launched through the runtime as the
// simulator launches it, with the demo applications installed (no processes:
// host views show nothing, which the panel's logic does not need).

#include "ShellFixture.h"

#include <string>
#include <vector>

namespace paneltest {

// `settingsItems`, when given, are written as the settings file first.
void launchShell(int width, int height, const std::string& settingsItems = {});
// Pinned to the Notes application, tweak on.
void launchPinnedShell(int width = 375, int height = 667);
id shell();

// Notifications received on the distributed center, "NAME KEY=VALUE" for
// the first user-info entry (or just NAME).
std::vector<std::string>& distributedPosts();

// A finger on the screen, in screen points; time is the run loop's.
void touchDown(double x, double y);
void touchMove(double x, double y);
void touchUp(double x, double y);
// A tap on the grabber, and a horizontal drag of it by `dx` points over
// 0.3 s, wherever the window is.
void tapTheGrabber();
void dragTheGrabberBy(double dx);

// The overlay window's x, and how often Drawlet has logged `text` so far.
double windowX();
size_t loggedLines(const std::string& text);

}
