#include "AlertQueue.h"

#include "ApplicationLifecycle.h"
#include "SBAlertItemsController.h"
#include "SBUserNotificationAlert.h"
#include "SharedInstances.h"
#include "ShellViews.h"

#include "foundation/SystemLog.h"
#include "uikit/UIAlertView.h"
#include "uikit/UIColor.h"
#include "uikit/UIGestureRecognizer.h"
#include "uikit/UIScreen.h"
#include "uikit/UITapGestureRecognizer.h"

#include <cmath>
#include <deque>

namespace springboard {

namespace {

constexpr double kAlertWidth = 270;
constexpr double kButtonHeight = 44;
constexpr double kAlertMargin = 16;
// The message's height is reckoned from an average glyph width of the 13-point
// face, with a line to spare; the label centres its lines in it.
constexpr double kMessageFontSize = 13;
constexpr double kAverageGlyphWidth = 7.4;
constexpr double kMessageLineHeight = 16;

struct AlertButton {
    UIView* view = nullptr;
    long index = 0;
    std::string title;
};

struct ShownAlert {
    Strong<UIWindow> window;
    Strong<UIAlertView> view;
    std::vector<AlertButton> buttons;
};

struct AlertQueueState {
    std::deque<Strong<objc_object>> items;
    ShownAlert shown;
};

AlertQueueState& alertQueueState()
{
    static AlertQueueState shared;
    return shared;
}

std::string plainText(NSString* value)
{
    return value ? value->value : std::string();
}

double messageHeight(const std::string& message)
{
    if (message.empty())
        return 0;
    double const perLine = std::floor((kAlertWidth - 2 * kAlertMargin) / kAverageGlyphWidth);
    double const lines = std::ceil(static_cast<double>(message.size()) / perLine) + 1;
    return lines * kMessageLineHeight;
}

void addButton(ShownAlert* shown, CGRect frame, const std::string& title, long index, bool bold)
{
    UILabel* label = addLabel(shown->view.get(), frame, title, { 16, bold, UIColor::make(0, 0.48, 1, 1) });
    send(static_cast<id>(label), "setUserInteractionEnabled:"_sel, true);
    addRecognizer(label, uikit::UITapGestureRecognizerClass(), sharedInstanceOf(SBAlertItemsControllerClass()), "_alertButtonTapped:"_sel);
    shown->buttons.push_back({ label, index, title });
}

// The alert's window for `item`, laid out for the screen as it is now.
ShownAlert makeAlertWindow(SBUserNotificationAlert* item)
{
    ShownAlert shown;
    shown.window = makeShellWindow(UIWindowLevelAlert);
    CGSize const screen = uikit::mainScreenBounds().size;
    addView(shown.window.get(), { { 0, 0 }, screen }, UIColor::make(0, 0, 0, 0.4));

    std::string const header = plainText(item->alertHeader);
    std::string const message = plainText(item->alertMessage);
    double const bodyHeight = messageHeight(message);
    double const height = 20 + 22 + 8 + bodyHeight + 20 + kButtonHeight;
    CGRect const box { { std::round((screen.width - kAlertWidth) / 2), std::round((screen.height - height) / 2) }, { kAlertWidth, height } };
    shown.view = adopt(static_cast<UIAlertView*>(send<id>(send<id>(uikit::UIAlertViewClass(), "alloc"_sel), "initWithFrame:"_sel, box)));
    shown.view->title = NSString::make(header);
    send(static_cast<id>(shown.view.get()), "setBackgroundColor:"_sel, static_cast<id>(UIColor::make(0.97, 0.97, 0.97, 1)));
    send(send<id>(static_cast<id>(shown.view.get()), "layer"_sel), "setCornerRadius:"_sel, 13.0);
    send(static_cast<id>(shown.window.get()), "addSubview:"_sel, static_cast<id>(shown.view.get()));

    UIColor* black = UIColor::make(0, 0, 0, 1);
    addLabel(shown.view.get(), { { kAlertMargin, 20 }, { kAlertWidth - 2 * kAlertMargin, 22 } }, header, { 17, true, black });
    addLabel(shown.view.get(), { { kAlertMargin, 50 }, { kAlertWidth - 2 * kAlertMargin, bodyHeight } }, message, { kMessageFontSize, false, black, NSTextAlignmentCenter, 0 });

    double const buttonsTop = height - kButtonHeight;
    UIColor* separator = UIColor::make(0.8, 0.8, 0.8, 1);
    addView(shown.view.get(), { { 0, buttonsTop - 0.5 }, { kAlertWidth, 0.5 } }, separator);
    std::string const defaultTitle = plainText(item->defaultButtonTitle);
    std::string const alternateTitle = plainText(item->alternateButtonTitle);
    if (alternateTitle.empty()) {
        addButton(&shown, { { 0, buttonsTop }, { kAlertWidth, kButtonHeight } }, defaultTitle, kDefaultButtonIndex, true);
        return shown;
    }
    double const half = kAlertWidth / 2;
    addButton(&shown, { { 0, buttonsTop }, { half, kButtonHeight } }, alternateTitle, kAlternateButtonIndex, false);
    addView(shown.view.get(), { { half - 0.25, buttonsTop }, { 0.5, kButtonHeight } }, separator);
    addButton(&shown, { { half, buttonsTop }, { half, kButtonHeight } }, defaultTitle, kDefaultButtonIndex, true);
    return shown;
}

void hideShown()
{
    auto& shown = alertQueueState().shown;
    if (shown.window)
        send(static_cast<id>(shown.window.get()), "setHidden:"_sel, true);
    shown = {};
}

void showFirst()
{
    auto& shared = alertQueueState();
    if (shared.shown.window || shared.items.empty())
        return;
    shared.shown = makeAlertWindow(static_cast<SBUserNotificationAlert*>(shared.items.front().get()));
    send(static_cast<id>(shared.shown.window.get()), "setHidden:"_sel, false);
}

}

void enqueueAlert(id item)
{
    if (!foundation::isKindOf(item, SBUserNotificationAlertClass())) {
        systemlog::write(kCFLogLevelError, "springboard: activateAlertItem: refused " + foundation::describe(item) + ", which is not an SBUserNotificationAlert");
        return;
    }
    alertQueueState().items.emplace_back(item);
    showFirst();
    frontApplicationStopsReceivingEvents();
}

bool answerAlertAtIndex(long index)
{
    auto& shared = alertQueueState();
    if (!shared.shown.window)
        return false;
    // Held until its answer has been handled, whatever the handler releases.
    Strong<objc_object> item = shared.items.front();
    Strong<UIAlertView> view = shared.shown.view;
    shared.items.pop_front();
    hideShown();
    send(item.get(), "alertView:clickedButtonAtIndex:"_sel, static_cast<id>(view.get()), index);
    showFirst();
    frontApplicationMayReceiveEventsAgain();
    return true;
}

bool answerAlert(const std::string& title, std::string* error)
{
    auto const& shown = alertQueueState().shown;
    if (!shown.window) {
        *error = "no alert is showing";
        return false;
    }
    for (auto const& button : shown.buttons) {
        if (button.title == title)
            return answerAlertAtIndex(button.index);
    }
    std::string titles;
    for (auto const& button : shown.buttons)
        titles += (titles.empty() ? "\"" : ", \"") + button.title + "\"";
    *error = "the alert \"" + plainText(shown.view->title) + "\" has no button \"" + title + "\" (its buttons: " + titles + ")";
    return false;
}

void postAlert(const std::string& header, const std::string& message, const std::string& defaultTitle, const std::string& alternateTitle)
{
    auto item = adopt(send<id>(send<id>(SBUserNotificationAlertClass(), "alloc"_sel), "init"_sel));
    send(item.get(), "setAlertHeader:"_sel, static_cast<id>(NSString::make(header)));
    send(item.get(), "setAlertMessage:"_sel, static_cast<id>(NSString::make(message)));
    send(item.get(), "setDefaultButtonTitle:"_sel, static_cast<id>(NSString::make(defaultTitle)));
    if (!alternateTitle.empty())
        send(item.get(), "setAlternateButtonTitle:"_sel, static_cast<id>(NSString::make(alternateTitle)));
    send(sharedInstanceOf(SBAlertItemsControllerClass()), "activateAlertItem:"_sel, item.get());
}

std::vector<std::string> queuedAlertHeaders()
{
    std::vector<std::string> headers;
    for (auto const& item : alertQueueState().items)
        headers.push_back(plainText(static_cast<SBUserNotificationAlert*>(item.get())->alertHeader));
    return headers;
}

std::vector<std::string> shownAlertButtonTitles()
{
    std::vector<std::string> titles;
    if (alertQueueState().items.empty())
        return titles;
    auto const* item = static_cast<SBUserNotificationAlert*>(alertQueueState().items.front().get());
    for (auto const& title : { plainText(item->alternateButtonTitle), plainText(item->defaultButtonTitle) }) {
        if (!title.empty())
            titles.push_back(title);
    }
    return titles;
}

void layOutAlert()
{
    if (!alertQueueState().shown.window)
        return;
    hideShown();
    showFirst();
}

void resetAlertQueue()
{
    hideShown();
    alertQueueState().items.clear();
}

void alertButtonTapped(id recognizer)
{
    auto* tap = static_cast<UIGestureRecognizer*>(recognizer);
    if (tap->state != UIGestureRecognizerStateEnded)
        return;
    for (auto const& button : alertQueueState().shown.buttons) {
        if (button.view == tap->view) {
            answerAlertAtIndex(button.index);
            return;
        }
    }
}

}
