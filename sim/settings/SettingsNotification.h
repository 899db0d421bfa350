#pragma once
// Telling a running shell that the settings changed: the Darwin notification
// "com.quillbrook.drawlet-preferences/settingschanged".

#include <string>

namespace settings {

// Posts on the Darwin center of this process, over whatever bus it has joined
// (the simulator's shell process uses this).
void postSettingsChanged();

// For a separate process such as the settings tool: joins the bus at
// `address`, posts, and leaves once the message is sent. "" or a bus that
// cannot be reached posts nothing and returns false; the change still holds
// and is seen at the shell's next launch.
bool postSettingsChangedOnBus(const std::string& address);

}
