#pragma once
#include <array>

#include "platform/Parts.h"
#include "platform/Pictures.h"
#include "platform/win32/WinTypes.h"

namespace netvik::win32 {

// The program's own icon and the tray icons, loaded once from the program's
// resources at the system's small-icon size and kept for the whole run, so a
// handle shown in the tray never goes stale.
class Win32Pictures : public platform::Pictures {
public:
    Win32Pictures(HINSTANCE instance, int programIconId, const std::array<int, 6>& trayIconIds,
                  const platform::Slot& slot = {});
    ~Win32Pictures() override;
    Win32Pictures(const Win32Pictures&) = delete;
    Win32Pictures& operator=(const Win32Pictures&) = delete;

    platform::IconHandle TrayIcon(int index) const override;
    platform::IconHandle ProgramIcon() const override;

private:
    HICON programIcon_;
    std::array<HICON, 6> trayIcons_{};
};

}  // namespace netvik::win32
