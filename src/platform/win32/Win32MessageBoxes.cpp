#include "platform/win32/Win32MessageBoxes.h"

namespace netvik::win32 {

namespace {

UINT IconFlag(platform::MessageIcon icon) {
    switch (icon) {
        case platform::MessageIcon::Error: return MB_ICONERROR;
        case platform::MessageIcon::Exclamation: return MB_ICONEXCLAMATION;
        case platform::MessageIcon::Information: return MB_ICONINFORMATION;
        case platform::MessageIcon::None: break;
    }
    return 0;
}

}  // namespace

void Win32MessageBoxes::Show(const std::string& text, const std::string& title, platform::MessageIcon icon,
                             platform::MessagePlace place) {
    HWND owner = nullptr;
    if (place == platform::MessagePlace::OverWindow) {
        // The window the user is in: the last one of the main window's
        // family that was active, while it takes input; else the main window.
        const HWND popup = GetLastActivePopup(mainWindow_);
        owner = popup != nullptr && IsWindowVisible(popup) && IsWindowEnabled(popup) ? popup : mainWindow_;
    }
    const UINT flags = MB_OK | IconFlag(icon) | (owner == nullptr ? MB_SETFOREGROUND | MB_TASKMODAL : 0u);
    MessageBoxA(owner, text.c_str(), title.c_str(), flags);
}

}  // namespace netvik::win32
