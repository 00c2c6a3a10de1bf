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

// The message codes of Shell_NotifyIconA.
enum class NotifyMessage : std::uint32_t { Add = 0, Modify = 1, Delete = 2 };

// Shell_NotifyIconA.
class ShellNotify {
public:
    virtual ~ShellNotify() = default;
    virtual bool NotifyIcon(NotifyMessage message, const NotifyIconData& data) = 0;
};

}  // namespace netvik::platform
