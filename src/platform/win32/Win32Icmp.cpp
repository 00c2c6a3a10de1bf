#include "platform/win32/Win32Icmp.h"

#include <ipexport.h>

#include "platform/win32/Win32Libraries.h"

namespace netvik::win32 {

static_assert(sizeof(platform::IpOptionInformation) == sizeof(IP_OPTION_INFORMATION));
static_assert(offsetof(platform::IpOptionInformation, OptionsData) == offsetof(IP_OPTION_INFORMATION, OptionsData));
static_assert(sizeof(platform::IcmpEchoReply) == sizeof(ICMP_ECHO_REPLY));
static_assert(offsetof(platform::IcmpEchoReply, Status) == offsetof(ICMP_ECHO_REPLY, Status));
static_assert(offsetof(platform::IcmpEchoReply, Options) == offsetof(ICMP_ECHO_REPLY, Options));

// Later systems' icmp.dll forwards its functions to iphlpapi.dll, which the
// system then looks for by its bare name, in the program's folder first:
// the system folder's, loaded beforehand, is the one it finds.
Win32Icmp::Win32Icmp(std::initializer_list<const char*> libraries) : forwardTarget_(LoadSystemLibrary("iphlpapi.dll")) {
    for (const char* library : libraries) {
        if (Bind(library)) break;
    }
}

Win32Icmp::~Win32Icmp() {
    if (library_ != nullptr) FreeLibrary(library_);
    if (forwardTarget_ != nullptr) FreeLibrary(forwardTarget_);
}

bool Win32Icmp::Bind(const char* library) {
    const HMODULE module = LoadSystemLibrary(library);
    if (module == nullptr) return false;
    const auto create = ProcAddress<CreateFn>(module, "IcmpCreateFile");
    const auto sendEcho = ProcAddress<SendEchoFn>(module, "IcmpSendEcho");
    const auto close = ProcAddress<CloseFn>(module, "IcmpCloseHandle");
    if (create == nullptr || sendEcho == nullptr || close == nullptr) {
        FreeLibrary(module);
        return false;
    }
    library_ = module;
    create_ = create;
    sendEcho_ = sendEcho;
    close_ = close;
    sendEcho2_ = ProcAddress<SendEcho2Fn>(module, "IcmpSendEcho2");
    parseReplies_ = ProcAddress<ParseRepliesFn>(module, "IcmpParseReplies");
    return true;
}

platform::IcmpHandle Win32Icmp::Open() {
    const HANDLE handle = create_ != nullptr ? create_() : INVALID_HANDLE_VALUE;
    return reinterpret_cast<platform::IcmpHandle>(handle);
}

std::uint32_t Win32Icmp::SendEcho(platform::IcmpHandle handle, std::uint32_t destination, const void* requestData,
                                  std::uint16_t requestSize, const platform::IpOptionInformation* options,
                                  void* replyBuffer, std::uint32_t replySize, std::uint32_t timeout) {
    if (sendEcho_ == nullptr) return 0;  // no ICMP library: no reply
    return sendEcho_(reinterpret_cast<HANDLE>(handle), destination, const_cast<void*>(requestData), requestSize,
                     const_cast<platform::IpOptionInformation*>(options), replyBuffer, replySize, timeout);
}

void Win32Icmp::Close(platform::IcmpHandle handle) {
    const HANDLE native = reinterpret_cast<HANDLE>(handle);
    if (close_ != nullptr && native != INVALID_HANDLE_VALUE) close_(native);
}

bool Win32Icmp::SendEcho2(platform::IcmpHandle handle, platform::EventHandle event, std::uint32_t destination,
                          const void* requestData, std::uint16_t requestSize,
                          const platform::IpOptionInformation* options, void* replyBuffer, std::uint32_t replySize,
                          std::uint32_t timeout) {
    const DWORD replies =
        sendEcho2_(reinterpret_cast<HANDLE>(handle), reinterpret_cast<HANDLE>(event), nullptr, nullptr, destination,
                   const_cast<void*>(requestData), requestSize, const_cast<platform::IpOptionInformation*>(options),
                   replyBuffer, replySize, timeout);
    return replies == 0 && GetLastError() == ERROR_IO_PENDING;
}

std::uint32_t Win32Icmp::ParseReplies(void* replyBuffer, std::uint32_t replySize) {
    return parseReplies_(replyBuffer, replySize);
}

platform::EventHandle Win32Icmp::NewEvent() {
    return reinterpret_cast<platform::EventHandle>(CreateEventA(nullptr, TRUE, FALSE, nullptr));
}

bool Win32Icmp::EventSet(platform::EventHandle event) {
    return WaitForSingleObject(reinterpret_cast<HANDLE>(event), 0) == WAIT_OBJECT_0;
}

void Win32Icmp::CloseEvent(platform::EventHandle event) { CloseHandle(reinterpret_cast<HANDLE>(event)); }

}  // namespace netvik::win32
