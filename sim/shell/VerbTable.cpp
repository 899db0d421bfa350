#include "Verb.h"
#include "verbs/Verbs.h"

namespace sim {

const std::vector<Verb>& verbTable()
{
    static const std::vector<Verb> table {
        waitVerb(),
        postVerb(),
        settingsVerb(),
        launchVerb(),
        activateVerb(),
        openVerb(),
        urlVerb(),
        shotAppVerb(),
        shotVerb(),
        tapVerb(),
        dragVerb(),
        swipeVerb(),
        holdVerb(),
        homeVerb(),
        switcherVerb(),
        rotateVerb(),
        memoryVerb(),
        lockVerb(),
        unlockVerb(),
        alertVerb(),
        answerVerb(),
        keyboardVerb(),
        typeVerb(),
        notifyVerb(),
        activatorVerb(),
        crashVerb(),
        hangVerb(),
        quitVerb(),
    };
    return table;
}

const Verb* findVerb(std::string_view name)
{
    for (auto const& verb : verbTable()) {
        if (verb.name == name)
            return &verb;
    }
    return nullptr;
}

}
