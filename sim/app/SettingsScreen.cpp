#include "SettingsScreen.h"
#include "InstalledApplications.h"
#include "SettingsControls.h"
#include "TapAction.h"
#include "TextDrawing.h"

#include "foundation/NSHomeDirectory.h"
#include "foundation/NSNumber.h"
#include "foundation/SystemLog.h"
#include "runtime/AutoreleasePool.h"
#include "settings/SettingsNotification.h"
#include "settings/SettingsStore.h"
#include "springboard/SettingsAddress.h"
#include "uikit/UIKit.h"

namespace apps {

namespace {

settings::SettingsStore store()
{
    return settings::SettingsStore(foundation::homeDirectory());
}

std::string describeChange(const SettingChange& change)
{
    if (auto const* on = std::get_if<bool>(&change.value))
        return *on ? "true" : "false";
    return "\"" + std::get<std::string>(change.value) + "\"";
}

}

SettingsScreen::SettingsScreen()
    : m_drawlet(readInstalledApplications())
{
    readSettings();
}

void SettingsScreen::readSettings()
{
    AutoreleasePool pool;
    Strong<NSDictionary> read;
    auto const status = store().read(&read);
    m_problem = status.ok() ? std::string() : status.message;
    if (!status.ok())
        CFLog(kCFLogLevelError, "Settings: %s", status.message.c_str());
    m_settings = status.ok() ? read : Strong<NSDictionary>();
    ++m_version;
}

void SettingsScreen::activated()
{
    readSettings();
    if (m_pane == kActivatorPaneName)
        m_activator.shown();
}

bool SettingsScreen::openURL(const std::string& address)
{
    auto pane = springboard::settingsPaneOfAddress(address);
    if (!pane)
        return false;
    CFLog(kCFLogLevelNotice, "Settings: opened %s: the pane %s", address.c_str(), pane->c_str());
    show(std::move(pane));
    return true;
}

void SettingsScreen::show(std::optional<std::string> pane)
{
    m_pane = std::move(pane);
    ++m_version;
    if (m_pane == kActivatorPaneName)
        m_activator.shown();
}

void SettingsScreen::draw(cairo_t* cairo, const ScreenArea& area, std::time_t) const
{
    if (!m_pane) {
        m_root.draw(cairo, area);
        return;
    }
    if (*m_pane == kActivatorPaneName) {
        m_activator.draw(cairo, area);
        return;
    }
    if (*m_pane != kDrawletPaneName) {
        drawPlainPage(cairo, area);
        return;
    }
    settingsui::drawPageBackground(cairo, area);
    m_drawlet.draw(cairo, area, m_settings.get(), m_problem);
    settingsui::drawNavigationBar(cairo, area, kDrawletPaneName, "Settings");
}

void SettingsScreen::drawPlainPage(cairo_t* cairo, const ScreenArea& area) const
{
    settingsui::drawPageBackground(cairo, area);
    settingsui::drawNavigationBar(cairo, area, *m_pane, "Settings");
    cairo_set_source_rgb(cairo, 0.43, 0.43, 0.45);
    drawText(cairo, "Nothing to set here.", area.width / 2, settingsui::contentTop(area) + 60, 15, false, TextAlignment::Center);
}

void SettingsScreen::addTouchViews(UIView* window, const ScreenArea& area)
{
    auto page = adopt(send<id>(send<id>(uikit::UIViewClass(), "alloc"_sel), "initWithFrame:"_sel, CGRectMake(0, 0, area.width, area.height)));
    addTapAction(static_cast<UIView*>(page.get()), [this, area](CGPoint point) { tapped(point, area); });
    send(static_cast<id>(window), "addSubview:"_sel, page.get());
}

void SettingsScreen::tapped(CGPoint point, const ScreenArea& area)
{
    if (!m_pane) {
        if (auto pane = m_root.paneForTap(point, area))
            show(std::move(pane));
        return;
    }
    bool const activator = *m_pane == kActivatorPaneName;
    if (CGRectContainsPoint(settingsui::backButtonFrame(area), point)) {
        if (!activator || !m_activator.goBack())
            show(std::nullopt);
        return;
    }
    if (activator) {
        m_activator.tapped(point, area);
        return;
    }
    if (*m_pane != kDrawletPaneName)
        return;
    if (auto const requested = m_drawlet.changeForTap(point, area, m_settings.get(), !m_problem.empty()))
        change(*requested);
}

void SettingsScreen::change(const SettingChange& change)
{
    AutoreleasePool pool;
    id value = nullptr;
    if (auto const* on = std::get_if<bool>(&change.value))
        value = NSNumber::numberWithBool(*on);
    else
        value = NSString::make(std::get<std::string>(change.value));
    auto const status = store().setValue(change.key, value);
    if (!status.ok()) {
        CFLog(kCFLogLevelError, "Settings: cannot set %s: %s", change.key.c_str(), status.message.c_str());
    } else if (status.changed) {
        CFLog(kCFLogLevelNotice, "Settings: set %s to %s", change.key.c_str(), describeChange(change).c_str());
        settings::postSettingsChanged();
    }
    // What shows is what the file now holds.
    readSettings();
}

}
