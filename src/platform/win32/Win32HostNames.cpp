#include "platform/win32/Win32HostNames.h"

#include "platform/win32/Win32Sockets.h"

namespace netvik::win32 {

static_assert(sizeof(hostent) == sizeof(platform::HostEnt));
static_assert(offsetof(hostent, h_length) == offsetof(platform::HostEnt, h_length));
static_assert(offsetof(hostent, h_addr_list) == offsetof(platform::HostEnt, h_addr_list));

// Without the sockets library, each call fails as the library's own do
// before a start-up.
std::int32_t Win32HostNames::GetHostName(char* buffer, std::int32_t length) {
    const Wsock32* winsock = Winsock();
    return winsock != nullptr ? winsock->gethostname(buffer, length) : SOCKET_ERROR;
}

std::int32_t Win32HostNames::LastError() {
    const Wsock32* winsock = Winsock();
    return winsock != nullptr ? winsock->WSAGetLastError() : WSANOTINITIALISED;
}

const platform::HostEnt* Win32HostNames::GetHostByName(const std::string& name) {
    const Wsock32* winsock = Winsock();
    return reinterpret_cast<const platform::HostEnt*>(winsock != nullptr ? winsock->gethostbyname(name.c_str())
                                                                         : nullptr);
}

}  // namespace netvik::win32
