#pragma once
#include "platform/Parts.h"
#include "platform/Picture.h"
#include "platform/win32/Win32Controls.h"

namespace netvik::win32 {

// A child window that the program paints itself, through a canvas over a
// bitmap the size of the window (no flicker), and which tells the pointer's
// moves and the arrow keys. Its window class is the program's own.
class Win32PaintBox : public Win32Control<platform::PaintBox> {
public:
    static constexpr char kClassName[] = "NetvikPicture";
    static void Register(HINSTANCE instance);

    explicit Win32PaintBox(HWND window, const platform::Slot& slot = {});
    ~Win32PaintBox() override;
    Win32PaintBox(const Win32PaintBox&) = delete;
    Win32PaintBox& operator=(const Win32PaintBox&) = delete;

    int Width() const override;
    int Height() const override;
    bool Focused() const override { return GetFocus() == window_; }
    void Redraw() override { InvalidateRect(window_, nullptr, FALSE); }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void PaintInto(HDC target);
};

}  // namespace netvik::win32
