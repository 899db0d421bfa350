#pragma once
// The Settings application: a first page listing panes, Drawlet's pane,
// Activator's pane (ActivatorPane.h), and a plain page for any other pane an address names ("prefs:root=NAME"). Drawlet's
// pane edits the settings file with the settings tool's own code
// (SettingsStore: every other key kept, written atomically, an unreadable file
// never overwritten) and tells the shell after each change. The file is read
// again each time the application comes to the front, so changes made
// meanwhile elsewhere show.

#include "ActivatorPane.h"
#include "AppScreen.h"
#include "DrawletPane.h"
#include "SettingsRootPage.h"

#include "coregraphics/CGGeometry.h"
#include "foundation/NSDictionary.h"

#include <optional>
#include <string>

namespace apps {

class SettingsScreen : public AppScreen {
public:
    SettingsScreen();

    long long contentVersion(std::time_t) const override { return m_version + m_activator.version(); }
    void draw(cairo_t* cairo, const ScreenArea& area, std::time_t now) const override;
    void addTouchViews(UIView* window, const ScreenArea& area) override;
    void activated() override;
    bool openURL(const std::string& address) override;

private:
    void tapped(CGPoint point, const ScreenArea& area);
    // nullopt: the first page.
    void show(std::optional<std::string> pane);
    void readSettings();
    void change(const SettingChange& change);
    void drawPlainPage(cairo_t* cairo, const ScreenArea& area) const;

    SettingsRootPage m_root;
    DrawletPane m_drawlet;
    ActivatorPane m_activator;
    std::optional<std::string> m_pane;
    Strong<NSDictionary> m_settings;
    // Why the file cannot be read; empty when it can.
    std::string m_problem;
    long long m_version = 0;
};

}
