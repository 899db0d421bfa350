#pragma once
// The Settings application's addresses: "prefs:root=NAME" opens its pane NAME.
// The shell reads them to know which application an address is for; the
// Settings application reads them again to know which pane to show.

#include <optional>
#include <string>
#include <string_view>

namespace springboard {

inline constexpr const char* kSettingsBundleIdentifier = "com.drawlet.settings";

// NAME of "prefs:root=NAME" (the scheme in any case), up to the first '&';
// what follows it is left to the pane. %XX escapes in NAME are decoded when
// that gives UTF-8 text without control characters, else NAME stays as
// written. Nothing when the address is another one, or NAME is empty or holds
// control characters or bytes that are not UTF-8.
std::optional<std::string> settingsPaneOfAddress(std::string_view address);

}
