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
static_assert(sizeof(void*) != 4 || sizeof(IcmpEchoReply) == 28);
static_assert(sizeof(void*) != 8 || sizeof(IcmpEchoReply) == 40);

using IcmpHandle = std::uintptr_t;

// The ICMP echo service: one handle per request, as the ICMP library works.
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
};

}  // namespace netvik::platform
