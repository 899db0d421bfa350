#pragma once
// The soak's events: each a script line, chosen by weight with the soak's
// generator from what the device shows now, so that most touches land on
// something that matters (the grabber, the panel, the hosted application,
// the dimmed area, alerts, the lock screen).

#include "SoakObservation.h"
#include "SoakRandom.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace sim {

class SoakEvents {
public:
    // Events of the verbs in `without` are never chosen.
    SoakEvents(SoakRandom& random, const std::set<std::string>& without);

    std::string next(const DeviceObservation& device);

private:
    struct Kind {
        std::string verb;
        unsigned weight;
        std::function<std::string(const DeviceObservation&)> make;
    };
    void add(std::string verb, unsigned weight, std::function<std::string(const DeviceObservation&)> make);
    void addTouches();
    void addShellEvents();
    void addApplicationEvents();
    void addSettingsEvents();

    std::string point(CGRect area);
    std::string anywhere(const DeviceObservation& device);
    std::string seconds(int64_t lowHundredths, int64_t highHundredths);
    std::string anyApplication(const DeviceObservation& device);
    std::string runningApplication(const DeviceObservation& device);
    template <class T>
    const T& pick(const std::vector<T>& choices)
    {
        return choices[m_random.below(choices.size())];
    }

    SoakRandom& m_random;
    std::set<std::string> m_without;
    std::vector<Kind> m_kinds;
    unsigned m_totalWeight = 0;
};

}
