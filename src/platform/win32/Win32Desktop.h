#pragma once
#include "platform/Desktop.h"
#include "platform/win32/WinTypes.h"

namespace netvik::win32 {

// The clipboard (as CF_TEXT, for an owner window) and ShellExecuteA's "open".
class Win32Desktop : public platform::Desktop {
public:
    explicit Win32Desktop(HWND owner) : owner_(owner) {}
    bool CopyText(const std::string& text) override;
    bool Open(const std::string& path) override;

private:
    HWND owner_;
};

}  // namespace netvik::win32
