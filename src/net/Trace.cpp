#include "net/Trace.h"

#include <cstring>

#include "platform/Icmp.h"

namespace netvik {

namespace {

// The ICMP statuses a trace reads (IP_...).
constexpr std::uint32_t kEchoReply = 0;
constexpr std::uint32_t kNetUnreachable = 11002;
constexpr std::uint32_t kHostUnreachable = 11003;
constexpr std::uint32_t kTimeExceeded = 11013;

// An address a router answers from: none of "this network" (0.x), loopback,
// multicast and the reserved range above it, and not the site itself.
bool RouterAddress(std::uint32_t address, std::uint32_t site) {
    const std::uint32_t first = address & 0xFF;
    return address != site && first != 0 && first != 127 && first < 224;
}

enum class Answer { None, Transit, Unreachable, Site };

Answer AnswerOf(const HopReply& reply, std::uint32_t site) {
    if (reply.status == kEchoReply) return reply.replies != 0 && reply.address == site ? Answer::Site : Answer::None;
    if (!RouterAddress(reply.address, site)) return Answer::None;
    if (reply.status == kTimeExceeded) return Answer::Transit;
    if (reply.status == kNetUnreachable || reply.status == kHostUnreachable) return Answer::Unreachable;
    return Answer::None;
}

}  // namespace

HopReply ReadReply(const void* buffer, std::size_t size, std::uint32_t replies) {
    if (buffer == nullptr || size < sizeof(platform::IcmpEchoReply)) return {};
    platform::IcmpEchoReply record;
    std::memcpy(&record, buffer, sizeof record);
    return {replies, record.Status, record.Address};
}

PathFound ReadHops(const std::array<HopReply, kTraceHops>& hops, std::uint32_t site) {
    PathFound found;
    std::array<std::uint32_t, kTraceHops> seen{};
    std::size_t answered = 0;
    for (std::size_t i = 0; i < hops.size(); ++i) {
        const auto hop = static_cast<std::uint8_t>(i + 1);
        const Answer answer = AnswerOf(hops[i], site);
        if (answer == Answer::None) continue;
        if (answer == Answer::Site) return {hop, site, PathEnd::Site};
        for (std::size_t j = 0; j < answered; ++j) {
            if (seen[j] == hops[i].address) {
                found.end = PathEnd::Loop;
                return found;
            }
        }
        seen[answered++] = hops[i].address;
        found = {hop, hops[i].address, PathEnd::Silence};
        if (answer == Answer::Unreachable) {
            found.end = PathEnd::Unreachable;
            return found;
        }
    }
    return found;
}

}  // namespace netvik
