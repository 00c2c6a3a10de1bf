#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "common/Bool16.h"
#include "platform/Application.h"
#include "platform/HostNames.h"
#include "platform/Icmp.h"
#include "platform/MessageBoxes.h"
#include "platform/Sockets.h"

namespace netvik {

// The program's sockets module: starting and releasing the sockets library,
// the ICMP echo probe, and the host-name lookups.
//
// The only state kept between calls is the number of start-ups that have not
// been released yet, so that a release without a matching start-up succeeds
// silently instead of failing in the platform.
class modWinSock {
public:
    modWinSock(platform::SocketsLibrary& sockets, platform::IcmpService& icmp, platform::HostNames& hostNames,
               platform::MessageBoxes& messages, platform::Application& application);

    // Starts the sockets library, version 1.1 at least. Any failure is
    // reported and ends the program, so this returns only 0.
    std::int32_t StartWinsock();

    // Releases one start-up. A real failure of the release is reported and
    // ends the program; a release with no start-up left does nothing.
    void EndWinsock();

    // Sends one echo request and returns its ICMP status: 0 exactly when an
    // echo reply came back within the time-out.
    std::int16_t PingAddress(const std::int32_t& address, const std::int16_t& timeout);
    // The round trip of the last echo reply, in milliseconds.
    std::uint32_t LastRoundTrip() const { return lastRoundTrip_; }

    static std::int32_t LoByte(std::uint16_t word);
    static std::int32_t HiByte(std::uint16_t word);

    // The failure marker of ResolveHostName; no dotted address equals it.
    static constexpr char kUnresolved[] = "1";
    // What ResolveHostName gives when the name has no IPv4 address at the
    // position asked for.
    static constexpr char kNoAddress[] = "0.0.0.0";

    // This PC's address, from its own host name: the second one of its list
    // when secondAddress is true, else the first. "" (after a message) when
    // the host name cannot be read.
    std::string GetLocalHostName(const Bool16& secondAddress);

    // This PC's first address, silently: "" when its host name or an
    // address for it cannot be had.
    std::string LocalIP();

    // The dotted address at position index of the name's address list;
    // kUnresolved when the name cannot be resolved, kNoAddress when the list
    // has no IPv4 address at that position.
    std::string ResolveHostName(const std::string& hostName, std::uint8_t index);

    int PendingStartups() const { return startups_; }

private:
    // This PC's host name; none when the library cannot tell it.
    std::optional<std::string> HostName();

    platform::SocketsLibrary& sockets_;
    platform::IcmpService& icmp_;
    platform::HostNames& hostNames_;
    platform::MessageBoxes& messages_;
    platform::Application& application_;
    int startups_ = 0;
    std::uint32_t lastRoundTrip_ = 0;
};

}  // namespace netvik
