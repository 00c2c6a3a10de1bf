#pragma once
#include "platform/Clock.h"

namespace netvik::win32 {

// The system time, and local time's offset from it as the system has it now.
class Win32Clock : public platform::Clock {
public:
    platform::ClockTime Now() const override;
    std::int32_t OffsetAt(std::int64_t utc) const override;
    std::uint32_t Milliseconds() const override;
};

}  // namespace netvik::win32
