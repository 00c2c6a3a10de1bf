#pragma once
#include "platform/Parts.h"
#include "platform/Timer.h"
#include "platform/win32/WinTypes.h"

namespace netvik::win32 {

// A window timer: its ticks arrive as WM_TIMER with its id at the owner.
class Win32Timer : public platform::Timer {
public:
    Win32Timer(HWND owner, UINT_PTR id, std::uint32_t interval, bool enabled, const platform::Slot& slot = {});
    ~Win32Timer() override;
    Win32Timer(const Win32Timer&) = delete;
    Win32Timer& operator=(const Win32Timer&) = delete;

    UINT_PTR Id() const { return id_; }

    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override;
    std::uint32_t Interval() const override { return interval_; }
    void SetInterval(std::uint32_t milliseconds) override;

private:
    HWND owner_;
    UINT_PTR id_;
    std::uint32_t interval_;
    bool enabled_ = false;
};

}  // namespace netvik::win32
