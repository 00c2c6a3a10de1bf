#pragma once
#include <string>
#include <vector>

namespace netvik::platform {

// The system's view of this PC's network configuration.
class NetworkConfig {
public:
    virtual ~NetworkConfig() = default;
    // The default gateways of the network adapters, as the system lists
    // them (dotted texts, an empty one or "0.0.0.0" for an adapter without).
    virtual std::vector<std::string> DefaultGateways() = 0;
};

}  // namespace netvik::platform
