#include "platform/win32/Win32Pictures.h"

#include "common/Failure.h"

namespace netvik::win32 {

namespace {

// At the system's small-icon size, which the notification area shows: 16
// pixels at 100 %, 20, 24 and 32 at 125, 150 and 200 %. Each size has a
// picture drawn for it, so none is stretched.
HICON LoadSmallIcon(HINSTANCE instance, int id) {
    const auto icon =
        static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                      GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    if (icon == nullptr) Fail("an icon resource is missing");
    return icon;
}

}  // namespace

Win32Pictures::Win32Pictures(HINSTANCE instance, int programIconId, const std::array<int, 6>& trayIconIds)
    : programIcon_(LoadSmallIcon(instance, programIconId)) {
    for (std::size_t i = 0; i < trayIcons_.size(); ++i) trayIcons_[i] = LoadSmallIcon(instance, trayIconIds[i]);
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
