#pragma once

namespace netvik::net_texts {

// The title that message boxes without a title of their own carry.
inline constexpr char kApplicationTitle[] = "Netvik";

inline constexpr char kErrorTitle[] = "Error";
inline constexpr char kWinsockDllError[] = "Winsock.dll error.";
inline constexpr char kVersionPrefix[] = "Windows Sockets version ";
inline constexpr char kCleanupPrefix[] = "Socket Error ";
inline constexpr char kCleanupSuffix[] = " occurred In Cleanup ";
inline constexpr char kHostNameErrorPrefix[] = "Windows Socket Error ";

}  // namespace netvik::net_texts
