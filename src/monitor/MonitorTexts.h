#pragma once

namespace netvik::monitor_texts {

// Tray tooltips. Lines are separated by a CR alone.
inline constexpr char kConnectedTip[] = "Connected to the Internet.";
inline constexpr char kHostAnsweredTip[] = "No Internet connection,\rcheck the internetsettings.";
inline constexpr char kComputerAnsweredTip[] = "No connection to host, check\rcable and networksettings.";
inline constexpr char kCheckingTip[] = "Checking internet connection...";
inline constexpr char kNetworkErrorTip[] = "Network error. Check networkcard,\rcable, host, networksettings.";
inline constexpr char kDisabledTip[] = "Internet connection\rchecking disabled.";

inline constexpr char kMainCaption[] = "Netvik";

// The refresh-rate label, followed by the slider's minutes.
inline constexpr char kRefreshRatePrefix[] = "Refreshrate (minutes): ";

// The tray menu's Disable item, as it reads after its first use.
inline constexpr char kEnableCaption[] = "Enable";
inline constexpr char kDisableCaption[] = "Disable";

inline constexpr char kDisabledTitle[] = "Netvik disabled";
inline constexpr char kDisabledMessage[] =
    "Netvik is currently set to disabled!\r\rIf you want to enable Netvik, click\ron Enable in the popupmenu.";

// The panel's messages about the stored settings.
inline constexpr char kNoAddressesTitle[] = "No IP-addresses found";
inline constexpr char kUsingDefaults[] = "Using default settings.";
inline constexpr char kSaveFailedTitle[] = "Error";
inline constexpr char kSaveFailedPrefix[] = "The settings could not be saved: the registry refused the change (error ";
inline constexpr char kSaveFailedSuffix[] = ").\rThey stay in force until Netvik ends.";

}  // namespace netvik::monitor_texts
