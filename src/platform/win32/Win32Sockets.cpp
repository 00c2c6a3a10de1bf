#include "platform/win32/Win32Sockets.h"

#include "platform/win32/WinTypes.h"

#include <winsock.h>

#include <cstring>

namespace netvik::win32 {

static_assert(sizeof(void*) != 4 || sizeof(WSADATA) == 400, "WSADATA is the 400-byte start-up record");
static_assert(offsetof(WSADATA, wVersion) == 0);

std::int32_t Win32Sockets::Startup(std::uint16_t requestedVersion, std::uint16_t& wVersion) {
    WSADATA data;
    std::memset(&data, 0, sizeof data);
    const int result = WSAStartup(requestedVersion, &data);
    if (result == 0) wVersion = data.wVersion;
    return result;
}

std::int32_t Win32Sockets::Cleanup() { return WSACleanup(); }

}  // namespace netvik::win32
