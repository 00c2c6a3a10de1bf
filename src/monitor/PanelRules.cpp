#include "monitor/PanelRules.h"

#include "addresses/AddressFields.h"
#include "monitor/MonitorTexts.h"
#include "net/AddressText.h"

namespace netvik {

PanelValues PanelValuesOf(const StoredSettings& stored) {
    return {{StoredAddressText(stored.Internet), StoredAddressText(stored.Host), StoredAddressText(stored.Computer)},
            stored.RefreshRate,
            stored.LoadatStartup};
}

std::array<std::int32_t, kChainLength> ProbeAddressesOf(const std::array<std::string, kChainLength>& addresses) {
    std::array<std::int32_t, kChainLength> probes{};
    for (std::size_t p = 0; p < kChainLength; ++p) probes[p] = AddressToLong(addresses[p]);
    return probes;
}

bool AllValid(const std::array<std::int32_t, kChainLength>& probeAddresses) {
    for (const std::int32_t address : probeAddresses) {
        if (address == 0) return false;
    }
    return true;
}

LogonChange LogonChangeOf(std::int16_t checkBox, std::uint8_t loadAtStartup) {
    if (checkBox == 0 && loadAtStartup == 1) return LogonChange::Remove;
    if (checkBox == 1 && loadAtStartup == 0) return LogonChange::Write;
    return LogonChange::None;
}

std::string RefreshRateCaption(std::int32_t minutes) {
    return monitor_texts::kRefreshRatePrefix + std::to_string(minutes);
}

}  // namespace netvik
