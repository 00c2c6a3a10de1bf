#pragma once
#include <cstdint>
#include <string>

namespace netvik {

// Where and how the settings are stored, and their built-in defaults.
namespace settings {

inline constexpr char kSoftware[] = "Software";
inline constexpr char kSubkey[] = "Netvik";
inline constexpr char kInternet[] = "Internet";
inline constexpr char kHost[] = "Host";
inline constexpr char kComputer[] = "Computer";
inline constexpr char kRefreshRateWritten[] = "RefreshRate";
inline constexpr char kRefreshRateRead[] = "Refreshrate";  // the same value: names ignore case
inline constexpr char kHostName[] = "HostName";
inline constexpr char kLoadAtStartup[] = "LoadatStartup";

// The logon entry.
inline constexpr char kRunSubkey[] = "Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValue[] = "Netvik";

// A well-known web site that answers echo requests.
inline constexpr char DefaultSiteHostName[] = "www.wikipedia.org";

inline constexpr char kNoAddressesTitle[] = "No IP-addresses found";
inline constexpr char kUsingDefaults[] = "Using default settings.";
inline constexpr char kSaveFailedTitle[] = "Error";
inline constexpr char kSaveFailedPrefix[] = "The settings could not be saved: the registry refused the change (error ";
inline constexpr char kSaveFailedSuffix[] = ").\rThey stay in force until Netvik ends.";

}  // namespace settings

// The stored refresh rate as a slider position: a number is rounded and put
// at the nearest value from 1 to 15; anything else, an empty text included,
// gives 1.
std::int32_t RefreshRateFromText(const std::string& text);

// The stored start-up choice as the check box's value: exactly "1" checks it.
std::int16_t LoadAtStartupFromText(const std::string& text);

// The logon entry's command: the program's full path, quoted when it holds a
// blank so that no other program can be started in its place.
std::string LogonCommand(const std::string& executablePath);

}  // namespace netvik
