#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "common/Bool16.h"

namespace netvik {

// Chain positions, from the farthest to the nearest.
enum ChainPosition : int { Internet = 0, Host = 1, Computer = 2 };
inline constexpr int kChainLength = 3;

// The main window's state record: the settings in force and the monitor's
// working state.
struct StateRecord {
    std::array<std::string, kChainLength> AddressTexts;       // dotted texts last applied
    std::array<std::int32_t, kChainLength> ProbeAddresses{};  // packed; 0 until applied
    Bool16 CheckingEnabled;
    std::uint8_t MinutesLeft = 0;
    Bool16 SaveRequested;
    std::uint8_t RefreshMinutes = 0;
    std::array<std::string, kChainLength> VerdictTips;
    std::string SiteHostName;
    std::string AppliedSiteHostName;
    std::uint8_t LoadAtStartup = 0;
    std::string FtpReply;
};

}  // namespace netvik
