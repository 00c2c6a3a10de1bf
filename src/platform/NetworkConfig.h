#pragma once
#include <string>
#include <vector>

namespace netvik::platform {

// The system's view of this PC's network configuration.
class NetworkConfig {
public:
    virtual ~NetworkConfig() = default;
    // The default gateways of the network adapters, as dotted texts, in the
    // system's order; empty entries and "0.0.0.0" left out.
    virtual std::vector<std::string> DefaultGateways() = 0;
};

}  // namespace netvik::platform
