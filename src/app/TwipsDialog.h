#pragma once
#include <memory>
#include <type_traits>
#include <vector>

#include "addresses/DialogLayout.h"
#include "addresses/frmGatewayIPs.h"
#include "addresses/frmIAddress.h"
#include "platform/win32/Win32Controls.h"
#include "platform/win32/Win32Window.h"

namespace netvik::app {

// A small modal dialog built at run time from its layout in twips, each
// position and size turned into pixels with the screen's twips per pixel.
// Its dialog procedure only routes messages to the events of the window and
// of its controls.
class TwipsDialog {
public:
    TwipsDialog(HWND owner, const DialogLayout& layout);
    TwipsDialog(const TwipsDialog&) = delete;
    TwipsDialog& operator=(const TwipsDialog&) = delete;

    HWND Hwnd() const { return window_.get(); }
    // The window of the layout's control at that position.
    HWND Control(std::size_t index) const { return controls_.at(index); }
    win32::Win32Window& form() { return form_; }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void PlaceOver(HWND owner, int width, int height);

    struct Destroyer {
        void operator()(HWND window) const;
    };
    std::unique_ptr<std::remove_pointer_t<HWND>, Destroyer> window_;
    std::vector<HWND> controls_;
    win32::Win32Window form_;
};

// The gateway dialog on Win32.
class GatewayIPsWindow : public GatewayIPsControls {
public:
    explicit GatewayIPsWindow(HWND owner);
    platform::Window& form() override { return dialog_.form(); }
    platform::ComboBox& cboGatewayIPs() override { return list_; }
    platform::Button& cmdCancel() override { return cancel_; }
    platform::Button& cmdOK() override { return ok_; }

private:
    TwipsDialog dialog_;
    win32::Win32ComboBox list_;
    win32::Win32Button cancel_, ok_;
};

// The Internet address dialog on Win32.
class IAddressWindow : public IAddressControls {
public:
    explicit IAddressWindow(HWND owner);
    platform::Window& form() override { return dialog_.form(); }
    platform::TextBox& txtURL() override { return url_; }
    platform::Button& cmdDefault() override { return default_; }
    platform::Button& cmdReset() override { return reset_; }
    platform::Button& cmdCancel() override { return cancel_; }
    platform::Button& cmdOK() override { return ok_; }

private:
    TwipsDialog dialog_;
    win32::Win32TextBox url_;
    win32::Win32Button default_, reset_, cancel_, ok_;
};

}  // namespace netvik::app
