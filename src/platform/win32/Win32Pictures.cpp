#include "platform/win32/Win32Pictures.h"

#include <stdexcept>

namespace netvik::win32 {

Win32Pictures::Win32Pictures(HINSTANCE instance, const std::array<int, 6>& trayIconIds) {
    for (std::size_t i = 0; i < trayIcons_.size(); ++i) {
        trayIcons_[i] = static_cast<HICON>(
            LoadImageA(instance, MAKEINTRESOURCEA(trayIconIds[i]), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
        if (trayIcons_[i] == nullptr) throw std::runtime_error("a tray icon resource is missing");
    }
}

Win32Pictures::~Win32Pictures() {
    for (const HICON icon : trayIcons_) DestroyIcon(icon);
}

platform::IconHandle Win32Pictures::TrayIcon(int index) const {
    if (index < 1 || index > static_cast<int>(trayIcons_.size())) return 0;
    return ToHandle(trayIcons_[static_cast<std::size_t>(index - 1)]);
}

}  // namespace netvik::win32
