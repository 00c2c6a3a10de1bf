#pragma once
#include <cstdint>

namespace netvik {

// A 16-bit Boolean as the program's state record keeps it: true is -1 (all
// bits set), false is 0. Any non-zero pattern reads as true.
class Bool16 {
public:
    constexpr Bool16(bool value = false) : raw_(value ? -1 : 0) {}  // NOLINT: converts like a bool
    constexpr operator bool() const { return raw_ != 0; }           // NOLINT
    constexpr std::int16_t Raw() const { return raw_; }

private:
    std::int16_t raw_;
};

static_assert(sizeof(Bool16) == 2);
static_assert(Bool16(true).Raw() == -1 && Bool16(false).Raw() == 0);

}  // namespace netvik
