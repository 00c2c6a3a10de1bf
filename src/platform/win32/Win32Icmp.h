#pragma once
#include <initializer_list>

#include "platform/Icmp.h"
#include "platform/win32/WinTypes.h"

namespace netvik::win32 {

// The ICMP library, loaded at run time from the system folder: icmp.dll
// where the system has it, else iphlpapi.dll, which exports the same three
// functions on later systems. Without either, no request gets a reply.
// Requests that do not wait need IcmpSendEcho2 and IcmpParseReplies of the
// same library.
class Win32Icmp : public platform::IcmpService {
public:
    // The system folder's libraries to try, in order.
    explicit Win32Icmp(std::initializer_list<const char*> libraries = {"icmp.dll", "iphlpapi.dll"});
    ~Win32Icmp() override;
    Win32Icmp(const Win32Icmp&) = delete;
    Win32Icmp& operator=(const Win32Icmp&) = delete;

    bool Loaded() const { return sendEcho_ != nullptr; }

    platform::IcmpHandle Open() override;
    std::uint32_t SendEcho(platform::IcmpHandle handle, std::uint32_t destination, const void* requestData,
                           std::uint16_t requestSize, const platform::IpOptionInformation* options, void* replyBuffer,
                           std::uint32_t replySize, std::uint32_t timeout) override;
    void Close(platform::IcmpHandle handle) override;

    bool SendsWithoutWaiting() const override { return sendEcho2_ != nullptr && parseReplies_ != nullptr; }
    bool SendEcho2(platform::IcmpHandle handle, platform::EventHandle event, std::uint32_t destination,
                   const void* requestData, std::uint16_t requestSize, const platform::IpOptionInformation* options,
                   void* replyBuffer, std::uint32_t replySize, std::uint32_t timeout) override;
    std::uint32_t ParseReplies(void* replyBuffer, std::uint32_t replySize) override;
    platform::EventHandle NewEvent() override;
    bool EventSet(platform::EventHandle event) override;
    void CloseEvent(platform::EventHandle event) override;

private:
    using CreateFn = HANDLE(WINAPI*)();
    using SendEchoFn = DWORD(WINAPI*)(HANDLE, DWORD, LPVOID, WORD, LPVOID, LPVOID, DWORD, DWORD);
    using CloseFn = BOOL(WINAPI*)(HANDLE);
    using SendEcho2Fn = DWORD(WINAPI*)(HANDLE, HANDLE, FARPROC, LPVOID, DWORD, LPVOID, WORD, LPVOID, LPVOID, DWORD,
                                       DWORD);
    using ParseRepliesFn = DWORD(WINAPI*)(LPVOID, DWORD);

    bool Bind(const char* library);

    HMODULE forwardTarget_;
    HMODULE library_ = nullptr;
    CreateFn create_ = nullptr;
    SendEchoFn sendEcho_ = nullptr;
    CloseFn close_ = nullptr;
    SendEcho2Fn sendEcho2_ = nullptr;
    ParseRepliesFn parseReplies_ = nullptr;
};

}  // namespace netvik::win32
