#pragma once
// The alerts the shell shows (SBAlertItemsController's activateAlertItem:),
// one at a time, in the order they arrive: centred over a dimmed screen, above
// every other window, the lock screen included. A tap on a button answers the
// alert shown: it goes away, alertView:clickedButtonAtIndex: reaches its item
// (the alternate button as index 0, the default button as index 1), and the
// next alert shows. The queue keeps an item alive until its answer has been
// handled.

#include "runtime/Runtime.h"

#include <string>
#include <vector>

namespace springboard {

inline constexpr long kAlternateButtonIndex = 0;
inline constexpr long kDefaultButtonIndex = 1;

void enqueueAlert(id item);
// Answers the alert shown with its button titled `title`; false, with the
// reason, when no alert shows or it has no such button.
bool answerAlert(const std::string& title, std::string* error);
// Answers the alert shown with the button of this index; false when there is none.
bool answerAlertAtIndex(long index);
// A new SBUserNotificationAlert with these texts handed to the queue, as the
// phone's own alerts arrive (no alternate button when it is empty).
void postAlert(const std::string& header, const std::string& message, const std::string& defaultTitle, const std::string& alternateTitle);

// The action of the buttons' tap recognizers: answers with the button tapped.
void alertButtonTapped(id recognizer);

// The header of each alert waiting, the one shown first.
std::vector<std::string> queuedAlertHeaders();
// The titles of the shown alert's buttons, the alternate first when it has
// one; empty when no alert shows.
std::vector<std::string> shownAlertButtonTitles();
// The alert shown follows the screen when the interface turns.
void layOutAlert();

void resetAlertQueue();

}
