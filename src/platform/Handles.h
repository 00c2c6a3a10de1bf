#pragma once
#include <cstdint>

namespace netvik::platform {

// Operating-system handles travel through the portable code as plain numbers
// of pointer width, exactly as the system hands them out.
using WindowHandle = std::uintptr_t;
using IconHandle = std::uintptr_t;

}  // namespace netvik::platform
