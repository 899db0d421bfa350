#include "ClassCache.h"

ClassCache SBApplicationIconClass("SBApplicationIcon");
ClassCache SBUserNotificationAlertClass("SBUserNotificationAlert");
ClassCache SBAlertItemsControllerClass("SBAlertItemsController");
ClassCache SBApplicationControllerClass("SBApplicationController");
ClassCache SBUIControllerClass("SBUIController");
