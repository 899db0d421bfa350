#pragma once
// The N key in the window: "New message" for the pinned application, with
// its badge one higher (a text badge or none becomes 1). The simulator never
// reads Drawlet's state: it learns the pinned application as any listener
// outside the system does, from "com.quillbrook.drawlet.currentHostedAppChanged"
// on the distributed center, which Drawlet posts when it pins one at launch.

namespace sim {

// Starts listening; call before the shell launches.
void listenForPinnedApplication();
// Delivers the notification; with nothing announced, only a log line.
void notifyPinnedApplication();

}
