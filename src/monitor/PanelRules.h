#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "monitor/StateRecord.h"
#include "settings/SettingsStore.h"

namespace netvik {

// The panel's decisions, over plain data: what the panel shows, what Ok puts
// in force from it, and what becomes of the logon entry.

// The settings as the panel shows them, being edited.
struct PanelValues {
    std::array<std::string, kChainLength> addresses;
    std::int32_t refreshRate = 1;    // the slider's minutes
    std::int16_t loadAtStartup = 0;  // the check box: 0, 1 (2: greyed)
};

// Stored settings as the panel shows them: an address longer than its box
// cut (so that it never passes for one).
PanelValues PanelValuesOf(const StoredSettings& stored);

// The addresses that Ok probes: each packed, 0 where it is invalid.
std::array<std::int32_t, kChainLength> ProbeAddressesOf(const std::array<std::string, kChainLength>& addresses);
// Ok applies nothing unless every address is valid.
bool AllValid(const std::array<std::int32_t, kChainLength>& probeAddresses);

// The logon entry at an Ok that stores the settings: the check box now
// against the choice in force. Only a change of the choice touches it.
enum class LogonChange { None, Write, Remove };
LogonChange LogonChangeOf(std::int16_t checkBox, std::uint8_t loadAtStartup);

// The caption of the refresh-rate label for a slider value.
std::string RefreshRateCaption(std::int32_t minutes);

}  // namespace netvik
