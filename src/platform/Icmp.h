#pragma once
#include <cstddef>
#include <cstdint>

namespace netvik::platform {

// IP_OPTION_INFORMATION as the ICMP library takes it.
struct IpOptionInformation {
    std::uint8_t Ttl;
    std::uint8_t Tos;
    std::uint8_t Flags;
    std::uint8_t OptionsSize;
    std::uint8_t* OptionsData;
};

// ICMP_ECHO_REPLY, the record at the start of the reply buffer.
struct IcmpEchoReply {
    std::uint32_t Address;
    std::uint32_t Status;
    std::uint32_t RoundTripTime;
    std::uint16_t DataSize;
    std::uint16_t Reserved;
    void* Data;
    IpOptionInformation Options;
};

static_assert(offsetof(IcmpEchoReply, Status) == 4);
static_assert(offsetof(IcmpEchoReply, DataSize) == 12);
static_assert(offsetof(IcmpEchoReply, Data) == 16);
static_assert(sizeof(void*) != 4 || sizeof(IpOptionInformation) == 8);
static_assert(sizeof(void*) != 8 || sizeof(IpOptionInformation) == 16);
static_assert(sizeof(void*) != 4 || sizeof(IcmpEchoReply) == 28);
static_assert(sizeof(void*) != 8 || sizeof(IcmpEchoReply) == 40);

using IcmpHandle = std::uintptr_t;
using EventHandle = std::uintptr_t;
// What Open gives when it cannot open a handle (INVALID_HANDLE_VALUE).
inline constexpr IcmpHandle kNoIcmpHandle = ~IcmpHandle{0};

// The ICMP echo service: one handle per request, as the ICMP library works.
// Where the library has them, echo requests that do not wait: each one
// returns at once and sets its event when the system is done with its reply
// buffer, which must live until then.
class IcmpService {
public:
    virtual ~IcmpService() = default;
    virtual IcmpHandle Open() = 0;  // IcmpCreateFile
    // IcmpSendEcho: returns the number of replies in the buffer; the outcome
    // stands in Status of the first reply record.
    virtual std::uint32_t SendEcho(IcmpHandle handle, std::uint32_t destination, const void* requestData,
                                   std::uint16_t requestSize, const IpOptionInformation* options, void* replyBuffer,
                                   std::uint32_t replySize, std::uint32_t timeout) = 0;
    virtual void Close(IcmpHandle handle) = 0;  // IcmpCloseHandle

    // The library has IcmpSendEcho2 and IcmpParseReplies (the first Windows
    // generation's has neither).
    virtual bool SendsWithoutWaiting() const = 0;
    // IcmpSendEcho2 with an event: true while the request is pending (the
    // event is set when it is done), false when it is done already, answered
    // or failed.
    virtual bool SendEcho2(IcmpHandle handle, EventHandle event, std::uint32_t destination, const void* requestData,
                           std::uint16_t requestSize, const IpOptionInformation* options, void* replyBuffer,
                           std::uint32_t replySize, std::uint32_t timeout) = 0;
    // IcmpParseReplies: the number of replies in a done request's buffer.
    virtual std::uint32_t ParseReplies(void* replyBuffer, std::uint32_t replySize) = 0;
    virtual EventHandle NewEvent() = 0;              // CreateEventA: manual reset, not set; 0 when none
    virtual bool EventSet(EventHandle event) = 0;    // WaitForSingleObject with no wait
    virtual void CloseEvent(EventHandle event) = 0;  // CloseHandle
};

}  // namespace netvik::platform
