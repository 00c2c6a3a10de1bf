#pragma once
#include "platform/NetworkConfig.h"

namespace netvik::win32 {

// The adapters' default gateways from the IP Helper library (GetAdaptersInfo),
// loaded at run time: a system without it has none to offer.
class Win32NetworkConfig : public platform::NetworkConfig {
public:
    std::vector<std::string> DefaultGateways() override;
};

}  // namespace netvik::win32
