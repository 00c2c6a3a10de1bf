#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace netvik {

// The trace of the path toward the Internet site after a check found the
// router answering and the site not: echo requests with a time-to-live of 1
// to kTraceHops, all sent at once, and what came back; and, at the same
// time, whether the site accepts a TCP connection. Decided here over plain
// data; net/PathTrace sends and gathers.

inline constexpr int kTraceHops = 16;

// One echo request of the trace as the system left it: how many replies
// the system counted, and the first reply record's status and address
// (packed, the first number the lowest byte).
struct HopReply {
    std::uint32_t replies = 0;
    std::uint32_t status = 0;
    std::uint32_t address = 0;
};

// The reply of a request from its reply buffer, of size bytes, in which the
// system counted replies: none when the buffer cannot hold a reply record.
HopReply ReadReply(const void* buffer, std::size_t size, std::uint32_t replies);

// How the path ended beyond its last answering hop.
enum class PathEnd : std::uint8_t {
    Silence,      // nothing answered beyond it
    Unreachable,  // the hop itself answered that it has no route on
    Loop,         // the hop after it answered with the address of a hop before
    Site,         // the hop is the site, which answered the echo request
};

// The last hop that answered (1 to kTraceHops; 0: none did) and its address.
struct PathFound {
    std::uint8_t hop = 0;
    std::uint32_t address = 0;
    PathEnd end = PathEnd::Silence;
};

// Reads the trace's replies, hops[0] for time-to-live 1. A router that drops
// the request answers "time exceeded" (11013) from its own address, one
// that has no route "network" or "host unreachable" (11002, 11003), which
// ends the path; the site answers with its echo reply (status 0, counted,
// from the site's address), and what came back beyond it is ignored. Any
// other reply (another status, an echo reply from another address, an
// answer from an address no router has) counts as none: that hop is not
// known, and never the break when a later one answers.
PathFound ReadHops(const std::array<HopReply, kTraceHops>& hops, std::uint32_t site);

// What the TCP connection attempt to the site said.
enum class SiteByTcp : std::uint8_t {
    Unknown,  // no attempt was made
    Answers,  // the site accepted the connection or refused it: it is reachable
    Silent,   // no answer within the trace's time, or the attempt failed
};

struct TraceResult {
    PathFound path;
    SiteByTcp tcp = SiteByTcp::Unknown;
};

}  // namespace netvik
