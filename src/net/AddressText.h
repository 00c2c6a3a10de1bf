#pragma once
#include <cstdint>
#include <string_view>

namespace netvik {

// Checks that a text is a dotted IPv4 address (four numbers of one to three
// digits, each 0..255, joined by dots, nothing else) and packs it so that
// the first number is the lowest byte: in memory the numbers stand in
// written order. Returns 0 for every text that is not such an address, so
// "0.0.0.0" cannot be told from an invalid text.
std::int32_t AddressToLong(std::string_view addressText);

}  // namespace netvik
