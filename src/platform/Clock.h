#pragma once
#include <cstdint>

namespace netvik::platform {

// A moment as the system's clock gives it: seconds since 1970-01-01 00:00
// UTC, and the offset of local time from UTC in minutes (east positive), as
// the system says it is now.
struct ClockTime {
    std::int64_t utc = 0;
    std::int32_t offsetMinutes = 0;
};
inline bool operator==(const ClockTime& a, const ClockTime& b) {
    return a.utc == b.utc && a.offsetMinutes == b.offsetMinutes;
}

// The system's clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual ClockTime Now() const = 0;
    // The offset of local time from UTC in minutes at a moment, by this PC's
    // time zone and its daylight-saving rules; where the system cannot tell
    // (the first Windows generation), the offset it has now.
    virtual std::int32_t OffsetAt(std::int64_t utc) const = 0;
    // Milliseconds since the system started, for measuring short spans; it
    // wraps every 49.7 days.
    virtual std::uint32_t Milliseconds() const = 0;
};

}  // namespace netvik::platform
