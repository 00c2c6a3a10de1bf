#include "platform/win32/Win32Clock.h"

#include "platform/win32/WinTypes.h"

namespace netvik::win32 {

namespace {

// 100-nanosecond intervals since 1601-01-01. Divided as doubles: exact to
// far below a second, and without the 64-bit division routines a 32-bit
// program would otherwise carry.
double Ticks(const FILETIME& time) {
    return static_cast<double>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

constexpr double kTicksPerSecond = 1e7;
constexpr double kSeconds1601To1970 = 11644473600.0;

}  // namespace

platform::ClockTime Win32Clock::Now() const {
    FILETIME utc, local;
    GetSystemTimeAsFileTime(&utc);
    platform::ClockTime now;
    now.utc = static_cast<std::int64_t>(Ticks(utc) / kTicksPerSecond - kSeconds1601To1970);
    if (FileTimeToLocalFileTime(&utc, &local)) {
        const double minutes = (Ticks(local) - Ticks(utc)) / (60 * kTicksPerSecond);
        now.offsetMinutes = static_cast<std::int32_t>(minutes < 0 ? minutes - 0.5 : minutes + 0.5);
    }
    return now;
}

}  // namespace netvik::win32
