#include "platform/win32/Win32ShellNotify.h"

#include "platform/win32/WinTypes.h"

#include <shellapi.h>

#include <cstring>

namespace netvik::win32 {

// The program's record is the leading part of the system's, field for field.
static_assert(offsetof(NOTIFYICONDATAA, hWnd) == offsetof(platform::NotifyIconData, hWnd));
static_assert(offsetof(NOTIFYICONDATAA, uID) == offsetof(platform::NotifyIconData, uID));
static_assert(offsetof(NOTIFYICONDATAA, uFlags) == offsetof(platform::NotifyIconData, uFlags));
static_assert(offsetof(NOTIFYICONDATAA, uCallbackMessage) == offsetof(platform::NotifyIconData, uCallbackMessage));
static_assert(offsetof(NOTIFYICONDATAA, hIcon) == offsetof(platform::NotifyIconData, hIcon));
static_assert(offsetof(NOTIFYICONDATAA, szTip) == offsetof(platform::NotifyIconData, szTip));
static_assert(offsetof(NOTIFYICONDATAA, szTip) + 64 == platform::kNotifyIconDataSize,
              "the first layout ends after 64 tip characters");
static_assert(NIM_ADD == 0 && NIM_MODIFY == 1 && NIM_DELETE == 2);

bool Win32ShellNotify::NotifyIcon(platform::NotifyMessage message, const platform::NotifyIconData& data) {
    NOTIFYICONDATAA record;
    std::memset(&record, 0, sizeof record);
    std::memcpy(&record, &data, sizeof data);
    return Shell_NotifyIconA(static_cast<DWORD>(message), &record) != FALSE;
}

bool Win32ShellNotify::NotifyBalloon(const platform::NotifyBalloonData& data) {
    // The longer layout goes to the shell as it stands: its leading fields
    // are the first layout's, and its size tells the shell the rest.
    platform::NotifyBalloonData record = data;
    return Shell_NotifyIconA(NIM_MODIFY, reinterpret_cast<NOTIFYICONDATAA*>(&record)) != FALSE;
}

}  // namespace netvik::win32
