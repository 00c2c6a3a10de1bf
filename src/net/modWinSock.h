#pragma once
#include <cstdint>
#include <string>

#include "platform/Application.h"
#include "platform/Icmp.h"
#include "platform/MessageBoxes.h"
#include "platform/Sockets.h"

namespace netvik {

// The program's sockets module: starting and releasing the sockets library
// and the ICMP echo probe.
//
// The only state kept between calls is the number of start-ups that have not
// been released yet, so that a release without a matching start-up succeeds
// silently instead of failing in the platform.
class modWinSock {
public:
    modWinSock(platform::SocketsLibrary& sockets, platform::IcmpService& icmp, platform::MessageBoxes& messages,
               platform::Application& application);

    // Starts the sockets library, version 1.1 at least. Any failure is
    // reported and ends the program, so this returns only 0.
    std::int32_t StartWinsock();

    // Releases one start-up. A real failure of the release is reported and
    // ends the program; a release with no start-up left does nothing.
    void EndWinsock();

    // Sends one echo request and returns its ICMP status: 0 exactly when an
    // echo reply came back within the time-out.
    std::int16_t PingAddress(const std::int32_t& address, const std::int16_t& timeout);

    static std::int32_t LoByte(std::uint16_t word);
    static std::int32_t HiByte(std::uint16_t word);

    int PendingStartups() const { return startups_; }

private:
    platform::SocketsLibrary& sockets_;
    platform::IcmpService& icmp_;
    platform::MessageBoxes& messages_;
    platform::Application& application_;
    int startups_ = 0;
};

}  // namespace netvik
