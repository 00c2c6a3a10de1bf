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

std::int32_t Minutes(double ticks) {
    const double minutes = ticks / (60 * kTicksPerSecond);
    return static_cast<std::int32_t>(minutes < 0 ? minutes - 0.5 : minutes + 0.5);
}

using ToLocalFn = BOOL(WINAPI*)(const TIME_ZONE_INFORMATION*, const SYSTEMTIME*, SYSTEMTIME*);

}  // namespace

platform::ClockTime Win32Clock::Now() const {
    FILETIME utc, local;
    GetSystemTimeAsFileTime(&utc);
    platform::ClockTime now;
    now.utc = static_cast<std::int64_t>(Ticks(utc) / kTicksPerSecond - kSeconds1601To1970);
    if (FileTimeToLocalFileTime(&utc, &local)) now.offsetMinutes = Minutes(Ticks(local) - Ticks(utc));
    return now;
}

std::int32_t Win32Clock::OffsetAt(std::int64_t utc) const {
    // The zone's rules for that date (NT's kernel32; not the first generation's).
    static const auto toLocal = reinterpret_cast<ToLocalFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "SystemTimeToTzSpecificLocalTime")));
    const double ticks = (static_cast<double>(utc) + kSeconds1601To1970) * kTicksPerSecond;
    const auto whole = static_cast<std::uint64_t>(ticks);
    FILETIME at{static_cast<DWORD>(whole & 0xFFFFFFFFu), static_cast<DWORD>(whole >> 32)}, local;
    SYSTEMTIME system, zoned;
    if (toLocal != nullptr && FileTimeToSystemTime(&at, &system) && toLocal(nullptr, &system, &zoned) &&
        SystemTimeToFileTime(&zoned, &local)) {
        return Minutes(Ticks(local) - Ticks(at));
    }
    return Now().offsetMinutes;
}
std::uint32_t Win32Clock::Milliseconds() const { return GetTickCount(); }

}  // namespace netvik::win32
