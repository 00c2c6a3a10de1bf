#include "platform/win32/Win32NetworkConfig.h"

#include "platform/win32/WinTypes.h"

#include <iphlpapi.h>

#include <cstring>

#include "platform/win32/Win32Libraries.h"

namespace netvik::win32 {

std::vector<std::string> Win32NetworkConfig::DefaultGateways() {
    std::vector<std::string> gateways;
    const HMODULE library = LoadSystemLibrary("iphlpapi.dll");
    if (library == nullptr) return gateways;
    using GetAdaptersInfoFn = DWORD(WINAPI*)(PIP_ADAPTER_INFO, PULONG);
    const auto getAdaptersInfo = ProcAddress<GetAdaptersInfoFn>(library, "GetAdaptersInfo");
    if (getAdaptersInfo != nullptr) {
        // The list's size is known only by asking; it may grow meanwhile.
        std::vector<unsigned char> buffer(sizeof(IP_ADAPTER_INFO));
        ULONG size = static_cast<ULONG>(buffer.size());
        DWORD result = getAdaptersInfo(reinterpret_cast<PIP_ADAPTER_INFO>(buffer.data()), &size);
        for (int attempt = 0; result == ERROR_BUFFER_OVERFLOW && attempt < 4; ++attempt) {
            buffer.resize(size);
            result = getAdaptersInfo(reinterpret_cast<PIP_ADAPTER_INFO>(buffer.data()), &size);
        }
        if (result == ERROR_SUCCESS) {
            for (auto* adapter = reinterpret_cast<const IP_ADAPTER_INFO*>(buffer.data()); adapter != nullptr;
                 adapter = adapter->Next) {
                for (const IP_ADDR_STRING* gateway = &adapter->GatewayList; gateway != nullptr;
                     gateway = gateway->Next) {
                    const char* text = gateway->IpAddress.String;
                    gateways.emplace_back(text, strnlen(text, sizeof gateway->IpAddress.String));
                }
            }
        }
    }
    FreeLibrary(library);
    return gateways;
}

}  // namespace netvik::win32
