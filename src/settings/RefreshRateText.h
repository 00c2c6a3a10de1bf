#pragma once
#include <cstdint>
#include <string>

namespace netvik {

// The stored refresh rate as minutes: a number is rounded and put at the
// nearest value from 1 to 15; anything else, an empty text included, gives 1.
std::int32_t RefreshRateFromText(const std::string& text);

}  // namespace netvik
