#pragma once
#include <cstdint>

#include "platform/Handles.h"

namespace netvik::platform {

// The message with which the shell reports what the mouse did over the icon
// (the value of WM_MOUSEMOVE): the icon record names it, the hook receives it.
inline constexpr std::uint32_t kTrayCallbackMessage = 0x200;

// Receives the shell's callbacks for the tray icon: the mouse message that
// happened over the icon (0x203 left double-click, 0x205 right button up...),
// and the shell's word that it has started afresh (after a crash or a
// restart) with an empty notification area.
class TrayCallbackSink {
public:
    virtual ~TrayCallbackSink() = default;
    virtual void OnTrayCallback(std::int32_t mouseMessage) = 0;
    virtual void OnTaskbarCreated() = 0;
};

// The invisible window that owns the tray icon: the shell sends it the
// callbacks and tells it when it has started afresh, and it holds the picture
// whose handle the shell shows, so the handle stays valid while it is shown.
class TrayHook {
public:
    virtual ~TrayHook() = default;
    virtual WindowHandle Handle() const = 0;
    virtual void SetPicture(IconHandle picture) = 0;
    virtual IconHandle Picture() const = 0;
};

}  // namespace netvik::platform
