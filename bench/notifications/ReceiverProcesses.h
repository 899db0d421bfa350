#pragma once
// A group of forked receiving processes, each running the same body with its
// own index (its slot in Arrivals). They end with the group, or with this
// process.

#include "Arrivals.h"

#include <functional>
#include <sys/types.h>
#include <vector>

namespace bench {

class ReceiverProcesses {
public:
    // Forks `count` processes; each runs `body(index)`, which sets itself up,
    // answers once through `arrivals` when it can receive, and never returns.
    ReceiverProcesses(Arrivals& arrivals, int count, const std::function<void(int index)>& body);
    // Ends and reaps every receiver.
    ~ReceiverProcesses();

    ReceiverProcesses(const ReceiverProcesses&) = delete;
    ReceiverProcesses& operator=(const ReceiverProcesses&) = delete;

    // True when every receiver has answered that it is ready.
    bool ready() const { return m_ready; }
    int count() const { return static_cast<int>(m_children.size()); }

private:
    std::vector<pid_t> m_children;
    bool m_ready = false;
};

}
