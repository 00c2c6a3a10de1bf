#pragma once
#include "platform/HostNames.h"

namespace netvik::win32 {

// gethostname, gethostbyname and WSAGetLastError of Windows Sockets 1.1.
class Win32HostNames : public platform::HostNames {
public:
    std::int32_t GetHostName(char* buffer, std::int32_t length) override;
    std::int32_t LastError() override;
    const platform::HostEnt* GetHostByName(const std::string& name) override;
};

}  // namespace netvik::win32
