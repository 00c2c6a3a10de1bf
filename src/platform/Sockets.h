#pragma once
#include <cstdint>

namespace netvik::platform {

// The process-wide Windows Sockets library.
class SocketsLibrary {
public:
    virtual ~SocketsLibrary() = default;

    // WSAStartup with the requested version. Returns the platform's result
    // (0 on success); on success wVersion holds the version the library will
    // use (low byte major, high byte minor).
    virtual std::int32_t Startup(std::uint16_t requestedVersion, std::uint16_t& wVersion) = 0;

    // WSACleanup. Returns the platform's result, 0 on success.
    virtual std::int32_t Cleanup() = 0;
};

}  // namespace netvik::platform
