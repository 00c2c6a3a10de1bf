#include "net/modWinSock.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "net/NetTexts.h"

namespace netvik {

namespace {

constexpr std::uint16_t kRequestedVersion = 0x0101;  // 1.1

constexpr char kEchoData[] = "Hello?";
constexpr std::uint16_t kEchoDataSize = 6;
constexpr std::uint8_t kEchoTtl = 64;
constexpr std::uint32_t kReplyDataArea = 250;
constexpr std::uint32_t kReplyBufferSize = 28 + kReplyDataArea;

// IP_GENERAL_FAILURE: what a probe reports when the platform gave no usable
// status of its own.
constexpr std::int16_t kGeneralFailure = 11050;

constexpr std::int32_t kHostNameBufferLength = 64;
constexpr std::int16_t kIpv4Length = 4;

// A number as its text, with a leading blank when it is not negative.
std::string SignedNumber(std::int32_t number) { return (number < 0 ? "" : " ") + std::to_string(number); }

std::string TrimBlanks(std::string text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace

modWinSock::modWinSock(platform::SocketsLibrary& sockets, platform::IcmpService& icmp, platform::HostNames& hostNames,
                       platform::MessageBoxes& messages, platform::Application& application)
    : sockets_(sockets), icmp_(icmp), hostNames_(hostNames), messages_(messages), application_(application) {}

std::int32_t modWinSock::LoByte(std::uint16_t word) { return word & 255; }

std::int32_t modWinSock::HiByte(std::uint16_t word) { return (word >> 8) & 255; }

std::int32_t modWinSock::StartWinsock() {
    std::uint16_t wVersion = 0;
    const std::int32_t result = sockets_.Startup(kRequestedVersion, wVersion);
    if (result != 0) {
        messages_.Show(net_texts::kWinsockDllError, net_texts::kErrorTitle, platform::MessageIcon::Error);
        application_.End();
    }
    ++startups_;
    const std::int32_t major = LoByte(wVersion);
    const std::int32_t minor = HiByte(wVersion);
    if (major < 1 || (major == 1 && minor < 1)) {
        messages_.Show(net_texts::kVersionPrefix + std::to_string(major) + "." + std::to_string(minor),
                       net_texts::kApplicationTitle, platform::MessageIcon::None);
        application_.End();
    }
    return result;
}

void modWinSock::EndWinsock() {
    if (startups_ == 0) return;
    --startups_;
    const std::int32_t result = sockets_.Cleanup();
    if (result != 0) {
        messages_.Show(net_texts::kCleanupPrefix + std::to_string(result) + net_texts::kCleanupSuffix,
                       net_texts::kErrorTitle, platform::MessageIcon::Error);
        application_.End();
    }
}

std::int16_t modWinSock::PingAddress(const std::int32_t& address, const std::int16_t& timeout) {
    const platform::IcmpHandle handle = icmp_.Open();

    platform::IpOptionInformation options{};
    options.Ttl = kEchoTtl;

    // The reply record followed by its data area, suitably aligned for the
    // record; all zero before the call.
    alignas(platform::IcmpEchoReply) std::array<unsigned char, kReplyBufferSize> reply{};
    static_assert(sizeof(platform::IcmpEchoReply) <= kReplyBufferSize);

    const auto destination = static_cast<std::uint32_t>(address);
    const auto milliseconds = static_cast<std::uint32_t>(static_cast<std::int32_t>(timeout));
    const std::uint32_t replies = icmp_.SendEcho(handle, destination, kEchoData, kEchoDataSize, &options, reply.data(),
                                                 kReplyBufferSize, milliseconds);

    platform::IcmpEchoReply record;
    std::memcpy(&record, reply.data(), sizeof record);

    // Status 0 is trusted only when the platform also counted a reply, and a
    // status that does not fit the result is never narrowed into a success.
    std::int16_t status = kGeneralFailure;
    if (record.Status == 0) {
        if (replies != 0) {
            status = 0;
            lastRoundTrip_ = record.RoundTripTime;
        }
    } else if (record.Status <= 32767) {
        status = static_cast<std::int16_t>(record.Status);
    }

    icmp_.Close(handle);
    return status;
}

std::optional<std::string> modWinSock::HostName() {
    char buffer[kHostNameBufferLength] = {};
    if (hostNames_.GetHostName(buffer, kHostNameBufferLength) == -1) return std::nullopt;
    // The name is what stands before the first NUL, within the buffer.
    return TrimBlanks(std::string(buffer, std::find(buffer, buffer + sizeof buffer, '\0')));
}

std::string modWinSock::GetLocalHostName(const Bool16& secondAddress) {
    const std::optional<std::string> name = HostName();
    if (!name) {
        messages_.Show(net_texts::kHostNameErrorPrefix + SignedNumber(hostNames_.LastError()),
                       net_texts::kApplicationTitle, platform::MessageIcon::None);
        return {};
    }
    return ResolveHostName(*name, secondAddress.Raw() == -1 ? 1 : 0);
}

std::string modWinSock::LocalIP() {
    const std::optional<std::string> name = HostName();
    if (!name) return {};
    std::string address = ResolveHostName(*name, 0);
    return address == kUnresolved || address == kNoAddress ? std::string() : address;
}

std::string modWinSock::ResolveHostName(const std::string& hostName, std::uint8_t index) {
    const platform::HostEnt* entry = hostNames_.GetHostByName(hostName);
    if (entry == nullptr) return kUnresolved;
    // Only IPv4 addresses have a dotted form; the list ends with a null.
    if (entry->h_length != kIpv4Length || entry->h_addr_list == nullptr) return kNoAddress;
    for (std::size_t position = 0; position < index; ++position) {
        if (entry->h_addr_list[position] == nullptr) return kNoAddress;
    }
    const char* address = entry->h_addr_list[index];
    if (address == nullptr) return kNoAddress;

    std::string text;
    for (int i = 0; i < kIpv4Length; ++i) {
        text += std::to_string(static_cast<unsigned char>(address[i]));
        text += '.';
    }
    text.pop_back();
    return text;
}

}  // namespace netvik
