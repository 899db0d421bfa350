#pragma once
// The reference: a bare sdbus-c++ signal carrying one bool, broadcast on the
// same private bus to receivers that do nothing but sd-bus's own dispatch.

#include "Arrivals.h"

#include <memory>
#include <string>

namespace sdbus {
class IConnection;
class IObject;
}

namespace bench {

[[noreturn]] void receiveBareSignals(const std::string& address, Arrivals& arrivals, int index);

class BareSignalSender {
public:
    explicit BareSignalSender(const std::string& address);
    ~BareSignalSender();

    void post(bool value);

private:
    std::unique_ptr<sdbus::IConnection> m_connection;
    std::unique_ptr<sdbus::IObject> m_object;
};

}
