#pragma once
// One function a verb, each defined in its own file; VerbTable.cpp lists them.

#include "Verb.h"

namespace sim {

Verb waitVerb();
Verb postVerb();
Verb settingsVerb();
Verb quitVerb();
Verb launchVerb();
Verb activateVerb();
Verb openVerb();
Verb shotAppVerb();
Verb shotVerb();
Verb tapVerb();
Verb dragVerb();
Verb swipeVerb();
Verb holdVerb();
Verb homeVerb();
Verb rotateVerb();
Verb memoryVerb();
Verb lockVerb();
Verb unlockVerb();
Verb alertVerb();
Verb answerVerb();
Verb urlVerb();
Verb keyboardVerb();
Verb typeVerb();
Verb switcherVerb();
Verb notifyVerb();
Verb activatorVerb();
Verb crashVerb();
Verb hangVerb();

}
