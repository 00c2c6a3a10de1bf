#pragma once
#include <cstddef>
#include <cstdint>

#include "platform/Handles.h"

namespace netvik::platform {

// The notification-area icon record in its first, ANSI layout: 88 bytes in a
// 32-bit process; in a 64-bit process the window and icon handles widen and
// the same fields take 104 bytes.
struct NotifyIconData {
    std::uint32_t cbSize;
    WindowHandle hWnd;
    std::uint32_t uID;
    std::uint32_t uFlags;
    std::uint32_t uCallbackMessage;
    IconHandle hIcon;
    char szTip[64];
};

inline constexpr std::size_t kNotifyIconDataSize = sizeof(void*) == 4 ? 88 : 104;
static_assert(sizeof(NotifyIconData) == kNotifyIconDataSize);
static_assert(offsetof(NotifyIconData, cbSize) == 0);
static_assert(offsetof(NotifyIconData, hWnd) == sizeof(void*));
static_assert(offsetof(NotifyIconData, uID) == 2 * sizeof(void*));
static_assert(offsetof(NotifyIconData, uFlags) == 2 * sizeof(void*) + 4);
static_assert(offsetof(NotifyIconData, uCallbackMessage) == 2 * sizeof(void*) + 8);
static_assert(offsetof(NotifyIconData, hIcon) == (sizeof(void*) == 4 ? 20 : 32));
static_assert(offsetof(NotifyIconData, szTip) == (sizeof(void*) == 4 ? 24 : 40));

// The icon record in the shell's second, longer layout, through the balloon's
// fields (NOTIFYICONDATAA up to dwInfoFlags): 488 bytes in a 32-bit process,
// 504 in a 64-bit one. The program sends it only to show a balloon: a shell
// of the first generation refuses the layout, and shows none.
struct NotifyBalloonData {
    std::uint32_t cbSize;
    WindowHandle hWnd;
    std::uint32_t uID;
    std::uint32_t uFlags;
    std::uint32_t uCallbackMessage;
    IconHandle hIcon;
    char szTip[128];
    std::uint32_t dwState;
    std::uint32_t dwStateMask;
    char szInfo[256];
    std::uint32_t uTimeout;
    char szInfoTitle[64];
    std::uint32_t dwInfoFlags;
};

inline constexpr std::size_t kNotifyBalloonDataSize = sizeof(void*) == 4 ? 488 : 504;
static_assert(sizeof(NotifyBalloonData) == kNotifyBalloonDataSize);
static_assert(offsetof(NotifyBalloonData, szTip) == offsetof(NotifyIconData, szTip));
static_assert(offsetof(NotifyBalloonData, szInfo) == (sizeof(void*) == 4 ? 160 : 176));
static_assert(offsetof(NotifyBalloonData, szInfoTitle) == (sizeof(void*) == 4 ? 420 : 436));

inline constexpr std::uint32_t kNotifyInfo = 0x10;       // NIF_INFO
inline constexpr std::uint32_t kBalloonInfoIcon = 1;     // NIIF_INFO
inline constexpr std::uint32_t kBalloonWarningIcon = 2;  // NIIF_WARNING

// The message codes of Shell_NotifyIconA.
enum class NotifyMessage : std::uint32_t { Add = 0, Modify = 1, Delete = 2 };

// Shell_NotifyIconA.
class ShellNotify {
public:
    virtual ~ShellNotify() = default;
    virtual bool NotifyIcon(NotifyMessage message, const NotifyIconData& data) = 0;
    // A balloon over a shown icon (NIM_MODIFY with the longer record).
    virtual bool NotifyBalloon(const NotifyBalloonData& data) = 0;
};

}  // namespace netvik::platform
