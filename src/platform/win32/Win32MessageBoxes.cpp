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

void Win32MessageBoxes::Show(const std::string& text, const std::string& title, platform::MessageIcon icon) {
    // The box belongs to the window the user is in: the owner, or the modal
    // dialog open over it. A hidden owner cannot bring the box forward, so it
    // then stands alone and takes the foreground itself.
    auto usable = [](HWND window) { return window != nullptr && IsWindowVisible(window) && IsWindowEnabled(window); };
    const HWND popup = owner_ != nullptr ? GetLastActivePopup(owner_) : nullptr;
    const HWND owner = usable(popup) ? popup : usable(owner_) ? owner_ : nullptr;
    const UINT flags = MB_OK | IconFlag(icon) | (owner == nullptr ? MB_SETFOREGROUND | MB_TASKMODAL : 0u);
    MessageBoxA(owner, text.c_str(), title.c_str(), flags);
}

}  // namespace netvik::win32
