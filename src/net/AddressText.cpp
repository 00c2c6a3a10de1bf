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

std::string LongToAddress(std::uint32_t packed) {
    char text[16];
    char* end = text;
    for (int part = 0; part < kParts; ++part, packed >>= 8) {
        const std::uint32_t number = packed & 0xFF;
        if (number >= 100) *end++ = static_cast<char>('0' + number / 100);
        if (number >= 10) *end++ = static_cast<char>('0' + number / 10 % 10);
        *end++ = static_cast<char>('0' + number % 10);
        *end++ = '.';
    }
    return std::string(text, end - 1);
}

HostText ClassifyHostText(std::string_view text) {
    constexpr std::size_t kMaxName = 255;
    if (text.empty() || text.size() > kMaxName) return HostText::Invalid;
    bool digitsAndDots = true;
    for (const char c : text) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool digitOrDot = (c >= '0' && c <= '9') || c == '.';
        if (!letter && !digitOrDot && c != '-') return HostText::Invalid;
        digitsAndDots = digitsAndDots && digitOrDot;
    }
    if (!digitsAndDots) return HostText::Name;
    return AddressToLong(text) != 0 ? HostText::Address : HostText::Invalid;
}

bool IsGlobalAddress(std::string_view addressText) {
    const auto packed = static_cast<std::uint32_t>(AddressToLong(addressText));
    if (packed == 0) return false;
    // In written order, as a number: the first part the highest byte.
    const std::uint32_t address =
        (packed & 0xFF) << 24 | (packed >> 8 & 0xFF) << 16 | (packed >> 16 & 0xFF) << 8 | packed >> 24;
    struct Range {
        std::uint32_t base;
        int prefix;
    };
    constexpr Range kSpecial[] = {
        {0x00000000, 8},   // "this network"
        {0x0A000000, 8},   // private
        {0x64400000, 10},  // shared address space (carrier-grade NAT)
        {0x7F000000, 8},   // loopback
        {0xA9FE0000, 16},  // link-local
        {0xAC100000, 12},  // private
        {0xC0000000, 24},  // protocol assignments
        {0xC0000200, 24},  // documentation
        {0xC0586300, 24},  // 6to4 relay anycast
        {0xC0A80000, 16},  // private
        {0xC6120000, 15},  // benchmarking
        {0xC6336400, 24},  // documentation
        {0xCB007100, 24},  // documentation
        {0xE0000000, 4},   // multicast
        {0xF0000000, 4},   // reserved, and the broadcast address
    };
    for (const Range& range : kSpecial) {
        const std::uint32_t mask = ~std::uint32_t{0} << (32 - range.prefix);
        if ((address & mask) == range.base) return false;
    }
    return true;
}

}  // namespace netvik
