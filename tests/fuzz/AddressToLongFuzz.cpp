// Fuzzes the dotted-address packer against a plain reference parser: any
// text, any bytes; the two must agree, and the packer must never crash.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "net/AddressText.h"

namespace {

// The rule, written as plainly as possible: four parts split at dots, each
// one to three decimal digits worth at most 255, and not all of them zero.
std::int32_t Reference(const std::string& text) {
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == '.') {
            parts.emplace_back();
        } else {
            parts.back().push_back(c);
        }
    }
    if (parts.size() != 4) return 0;
    std::uint32_t packed = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string& part = parts[i];
        if (part.empty() || part.size() > 3) return 0;
        unsigned value = 0;
        for (const char c : part) {
            if (c < '0' || c > '9') return 0;
            value = value * 10 + static_cast<unsigned>(c - '0');
        }
        if (value > 255) return 0;
        packed |= value << (8 * i);
    }
    return static_cast<std::int32_t>(packed);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::int32_t packed = netvik::AddressToLong(text);
    const std::int32_t expected = Reference(text);
    if (packed != expected) {
        std::fprintf(stderr, "mismatch for \"%s\": %d, expected %d\n", text.c_str(), packed, expected);
        std::abort();
    }
    return 0;
}
