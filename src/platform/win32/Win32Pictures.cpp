#include "platform/win32/Win32Pictures.h"

#include "common/Failure.h"

namespace netvik::win32 {

namespace {

HICON LoadIconAt(HINSTANCE instance, int id, int width, int height) {
    return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, width, height, LR_DEFAULTCOLOR));
}

// At the system's small-icon size, which the notification area shows: 16
// pixels at 100 %, 20, 24 and 32 at 125, 150 and 200 %, each drawn for its
// size. Those drawn for scaled displays are PNG images, which only the
// systems that scale read; another that asks for such a size gets the
// 16-pixel picture.
HICON LoadSmallIcon(HINSTANCE instance, int id) {
    HICON icon = LoadIconAt(instance, id, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
    if (icon == nullptr) icon = LoadIconAt(instance, id, 16, 16);
    if (icon == nullptr) Fail("an icon resource is missing");
    return icon;
}

}  // namespace

Win32Pictures::Win32Pictures(HINSTANCE instance, int programIconId, const std::array<int, 6>& trayIconIds,
                             const platform::Slot& slot)
    : programIcon_(LoadSmallIcon(instance, programIconId)) {
    for (std::size_t i = 0; i < trayIcons_.size(); ++i) trayIcons_[i] = LoadSmallIcon(instance, trayIconIds[i]);
    slot.Hold<platform::Pictures>(*this);
}

Win32Pictures::~Win32Pictures() {
    DestroyIcon(programIcon_);
    for (const HICON icon : trayIcons_) DestroyIcon(icon);
}

platform::IconHandle Win32Pictures::ProgramIcon() const { return ToHandle(programIcon_); }

platform::IconHandle Win32Pictures::TrayIcon(int index) const {
    if (index < 1 || index > static_cast<int>(trayIcons_.size())) return 0;
    return ToHandle(trayIcons_[static_cast<std::size_t>(index - 1)]);
}

}  // namespace netvik::win32
