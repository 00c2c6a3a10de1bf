#include "platform/win32/Win32Timer.h"

namespace netvik::win32 {

Win32Timer::Win32Timer(HWND owner, UINT_PTR id, std::uint32_t interval, bool enabled, const platform::Slot& slot)
    : owner_(owner), id_(id), interval_(interval) {
    SetEnabled(enabled);
    slot.Hold<platform::Timer>(*this);
}

Win32Timer::~Win32Timer() { SetEnabled(false); }

void Win32Timer::SetEnabled(bool enabled) {
    if (enabled) {
        SetTimer(owner_, id_, interval_, nullptr);  // (re)starts the full interval
    } else if (enabled_) {
        KillTimer(owner_, id_);
    }
    enabled_ = enabled;
}

void Win32Timer::SetInterval(std::uint32_t milliseconds) {
    interval_ = milliseconds;
    if (enabled_) SetTimer(owner_, id_, interval_, nullptr);
}

}  // namespace netvik::win32
