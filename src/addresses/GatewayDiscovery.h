#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "platform/NetworkConfig.h"
#include "registry/modWinReg.h"

namespace netvik {

// The gateway list has room for eight entries; further ones are ignored.
inline constexpr std::size_t kMaxGateways = 8;

// The default gateways that the operating system's network transports keep
// in the registry, as the value "DefaultGateway" of the keys 0000 to 0006
// of System\CurrentControlSet\Services\Class\NetTrans under
// HKEY_LOCAL_MACHINE: in key order, then from left to right within a value.
// A value holds one address or several separated by commas, and each piece
// is taken as it stands, empty or with blanks, duplicates too. Missing keys
// and values are skipped; nothing past the eighth entry is read or kept.
std::vector<std::string> NetTransGateways(modWinReg& registry);

// The default gateways that the system reports for its network adapters,
// in its order: those it names with an empty text or "0.0.0.0" (an adapter
// without one) left out, nothing past the eighth kept.
std::vector<std::string> SystemGateways(platform::NetworkConfig& network);

}  // namespace netvik
