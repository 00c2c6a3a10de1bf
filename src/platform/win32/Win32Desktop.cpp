#include "platform/win32/Win32Desktop.h"

#include <shellapi.h>

#include <cstring>

namespace netvik::win32 {

bool Win32Desktop::CopyText(const std::string& text) {
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (memory == nullptr) return false;
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    if (!OpenClipboard(owner_)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool copied = SetClipboardData(CF_TEXT, memory) != nullptr;  // the clipboard owns it now
    CloseClipboard();
    if (!copied) GlobalFree(memory);
    return copied;
}

bool Win32Desktop::Open(const std::string& path) {
    // ShellExecute's result is a number above 32 on success.
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteA(owner_, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

}  // namespace netvik::win32
