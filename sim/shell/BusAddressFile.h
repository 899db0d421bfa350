#pragma once
// HOME/.drawlet-bus: the address of the simulator's private bus, so that
// drawlet-settings finds the running shell. It is removed when the simulator
// ends, also when it exits from elsewhere (exit); TerminationSignals.h ends
// the shell the same way on SIGTERM, SIGINT and SIGHUP.

#include <string>

namespace sim {

class BusAddressFile {
public:
    BusAddressFile() = default;
    ~BusAddressFile() { remove(); }
    BusAddressFile(const BusAddressFile&) = delete;
    BusAddressFile& operator=(const BusAddressFile&) = delete;

    // False with a reason when the file cannot be written.
    bool write(const std::string& path, const std::string& address, std::string* error);
    void remove();
    // The file written last, removed with async-signal-safe calls only.
    static void removeInSignalHandler();
};

}
