#pragma once

#include "platform/Handles.h"

namespace netvik::platform {

// The program's picture resources.
class Pictures {
public:
    virtual ~Pictures() = default;
    // The 16 x 16 tray icon at position 1..6 of the image list.
    virtual IconHandle TrayIcon(int index) const = 0;
    // The program's own icon, at 16 x 16.
    virtual IconHandle ProgramIcon() const = 0;
};

}  // namespace netvik::platform
