#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace netvik {

// Checks that a text is a dotted IPv4 address (four numbers of one to three
// digits, each 0..255, joined by dots, nothing else) and packs it so that
// the first number is the lowest byte: in memory the numbers stand in
// written order. Returns 0 for every text that is not such an address, so
// "0.0.0.0" cannot be told from an invalid text.
std::int32_t AddressToLong(std::string_view addressText);

// The dotted text of a packed address, the first number the lowest byte:
// what AddressToLong takes back.
std::string LongToAddress(std::uint32_t packed);

// What a text names a host by, as a server or the system reports it.
enum class HostText {
    Address,  // a dotted address that AddressToLong takes
    Name,     // a host name: letters, digits, "-" and "." (at most 255), not digits and dots alone
    Invalid,  // anything else: empty, "0.0.0.0", "1", blanks, control or non-ASCII characters
};
HostText ClassifyHostText(std::string_view text);

// A dotted address that the Internet can reach: none of the private, shared,
// loopback, link-local, documentation, benchmarking, multicast or reserved
// ranges. False for any text that is no valid address.
bool IsGlobalAddress(std::string_view addressText);

}  // namespace netvik
