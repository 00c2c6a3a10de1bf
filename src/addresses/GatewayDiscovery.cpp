#include "addresses/GatewayDiscovery.h"

namespace netvik {

namespace {

constexpr char kSystem[] = "System";
constexpr char kNetTrans[] = "CurrentControlSet\\Services\\Class\\NetTrans\\000";
constexpr char kDefaultGateway[] = "DefaultGateway";
constexpr int kSubkeys = 7;  // 0000 to 0006

}  // namespace

std::vector<std::string> NetTransGateways(modWinReg& registry) {
    std::vector<std::string> gateways;
    for (int index = 0; index < kSubkeys && gateways.size() < kMaxGateways; ++index) {
        const std::string raw =
            registry.GetRegValue(platform::kLocalMachine, kSystem, kNetTrans + std::to_string(index), kDefaultGateway);
        if (raw.empty()) continue;
        for (std::size_t start = 0; gateways.size() < kMaxGateways;) {
            const std::size_t comma = raw.find(',', start);
            gateways.push_back(raw.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
    }
    return gateways;
}

std::vector<std::string> SystemGateways(platform::NetworkConfig& network) {
    std::vector<std::string> gateways;
    for (std::string& gateway : network.DefaultGateways()) {
        if (gateways.size() == kMaxGateways) break;
        if (!gateway.empty() && gateway != "0.0.0.0") gateways.push_back(std::move(gateway));
    }
    return gateways;
}

}  // namespace netvik
