#include "platform/win32/Win32HostNames.h"

#include "platform/win32/WinTypes.h"

#include <winsock.h>

namespace netvik::win32 {

static_assert(sizeof(hostent) == sizeof(platform::HostEnt));
static_assert(offsetof(hostent, h_length) == offsetof(platform::HostEnt, h_length));
static_assert(offsetof(hostent, h_addr_list) == offsetof(platform::HostEnt, h_addr_list));

std::int32_t Win32HostNames::GetHostName(char* buffer, std::int32_t length) { return gethostname(buffer, length); }

std::int32_t Win32HostNames::LastError() { return WSAGetLastError(); }

const platform::HostEnt* Win32HostNames::GetHostByName(const std::string& name) {
    return reinterpret_cast<const platform::HostEnt*>(gethostbyname(name.c_str()));
}

}  // namespace netvik::win32
