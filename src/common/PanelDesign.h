#pragma once
#include <cstddef>
#include <cstdint>

namespace netvik::panel_design {

// The limits of the panel's controls: the window is created with them,
// and stored settings are kept within them.

// The longest dotted address: four numbers of three digits and three dots.
inline constexpr std::size_t kAddressMaxLength = 15;

// The refresh-rate slider, in whole minutes.
inline constexpr std::int32_t kRefreshMin = 1;
inline constexpr std::int32_t kRefreshMax = 15;
inline constexpr std::int32_t kRefreshSmallChange = 1;
inline constexpr std::int32_t kRefreshLargeChange = 5;
inline constexpr std::int32_t kRefreshDesignValue = 1;

}  // namespace netvik::panel_design
