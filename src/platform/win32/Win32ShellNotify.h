#pragma once
#include "platform/ShellNotify.h"

namespace netvik::win32 {

// Shell_NotifyIconA with the record in its first layout.
class Win32ShellNotify : public platform::ShellNotify {
public:
    bool NotifyIcon(platform::NotifyMessage message, const platform::NotifyIconData& data) override;
    bool NotifyBalloon(const platform::NotifyBalloonData& data) override;
};

}  // namespace netvik::win32
