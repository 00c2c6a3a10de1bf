#pragma once
#include "platform/MessageBoxes.h"
#include "platform/win32/WinTypes.h"

namespace netvik::win32 {

// MessageBoxA, over the program's main window or a dialog open over it.
class Win32MessageBoxes : public platform::MessageBoxService {
public:
    explicit Win32MessageBoxes(HWND mainWindow) : mainWindow_(mainWindow) {}
    void Show(const std::string& text, const std::string& title, platform::MessageIcon icon,
              platform::MessagePlace place) override;

private:
    HWND mainWindow_;
};

}  // namespace netvik::win32
