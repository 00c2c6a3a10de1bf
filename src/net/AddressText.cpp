#include "net/AddressText.h"

#include <array>

namespace netvik {

namespace {

constexpr int kParts = 4;
constexpr std::size_t kMaxDigits = 3;

// A number of the dotted form: one to three digits, at most 255.
bool ParsePart(std::string_view digits, std::uint32_t& value) {
    if (digits.empty() || digits.size() > kMaxDigits) return false;
    value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return value <= 255;
}

}  // namespace

std::int32_t AddressToLong(std::string_view addressText) {
    for (const char c : addressText) {
        if ((c < '0' || c > '9') && c != '.') return 0;
    }

    std::array<std::uint32_t, kParts> parts{};
    int count = 0;
    std::string_view rest = addressText;
    for (;;) {
        const std::size_t dot = rest.find('.');
        if (dot == std::string_view::npos || dot == 0) {
            // The last number; a dot at its start means an empty number.
            if (count >= kParts || !ParsePart(rest, parts[static_cast<std::size_t>(count)])) return 0;
            ++count;
            break;
        }
        if (count + 1 >= kParts) return 0;  // a fourth number followed by a dot
        if (!ParsePart(rest.substr(0, dot), parts[static_cast<std::size_t>(count)])) return 0;
        ++count;
        rest.remove_prefix(dot + 1);
    }
    if (count < kParts) return 0;

    const std::uint32_t packed = parts[0] | parts[1] << 8 | parts[2] << 16 | parts[3] << 24;
    return static_cast<std::int32_t>(packed);
}

}  // namespace netvik
