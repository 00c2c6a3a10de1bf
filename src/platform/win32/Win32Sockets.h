#pragma once
#include "platform/Sockets.h"

namespace netvik::win32 {

// Windows Sockets 1.1 (wsock32).
class Win32Sockets : public platform::SocketsLibrary {
public:
    std::int32_t Startup(std::uint16_t requestedVersion, std::uint16_t& wVersion) override;
    std::int32_t Cleanup() override;
};

}  // namespace netvik::win32
