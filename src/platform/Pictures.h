#pragma once

#include "platform/Handles.h"

namespace netvik::platform {

// The program's picture resources.
class Pictures {
public:
    virtual ~Pictures() = default;
    // The tray icon at position 1..6 of the image list, at the size the
    // notification area shows.
    virtual IconHandle TrayIcon(int index) const = 0;
    // The program's own icon, at the same size.
    virtual IconHandle ProgramIcon() const = 0;
};

}  // namespace netvik::platform
