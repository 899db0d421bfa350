#include "SettingsNotification.h"
#include "SettingsPaths.h"

#include "notifications/Bus.h"
#include "notifications/CFNotificationCenter.h"

namespace settings {

void postSettingsChanged()
{
    CFNotificationCenterPostNotification(CFNotificationCenterGetDarwinNotifyCenter(), NSString::make(kSettingsChangedNotification), nullptr, nullptr, true);
}

bool postSettingsChangedOnBus(const std::string& address)
{
    if (address.empty() || !notifications::connectToBus(address))
        return false;
    postSettingsChanged();
    // Leaving flushes what is queued, so the post is on the bus before exit.
    notifications::disconnectFromBus();
    return true;
}

}
