#pragma once
#include "platform/MessageBoxes.h"
#include "platform/win32/WinTypes.h"

namespace netvik::win32 {

class Win32MessageBoxes : public platform::MessageBoxes {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    void Show(const std::string& text, const std::string& title, platform::MessageIcon icon) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace netvik::win32
