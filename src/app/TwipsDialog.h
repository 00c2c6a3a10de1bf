#pragma once
#include <memory>
#include <type_traits>
#include <vector>

#include "addresses/DialogLayout.h"
#include "app/OwnedParts.h"
#include "platform/win32/Win32Controls.h"
#include "platform/win32/Win32Window.h"

namespace netvik::app {

// A small modal dialog built at run time from its layout in twips, each
// position and size turned into pixels with the screen's twips per pixel.
// It owns the wrappers of its controls, which Make makes over the layout's
// control at an index. Its dialog procedure only routes messages to the
// events of the window and of its controls.
class TwipsDialog : public platform::LoadedWindow {
public:
    TwipsDialog(HWND owner, const DialogLayout& layout);
    TwipsDialog(const TwipsDialog&) = delete;
    TwipsDialog& operator=(const TwipsDialog&) = delete;

    HWND Hwnd() const { return window_.get(); }
    win32::Win32Window& form() { return form_; }

    // The wrapper of the layout's control at that index.
    template <typename Wrapper, typename... Arguments>
    Wrapper& Make(std::size_t index, Arguments&&... arguments) {
        return parts_.Make<Wrapper>(controls_.at(index), std::forward<Arguments>(arguments)...);
    }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void PlaceOver(HWND owner, int width, int height);

    struct Destroyer {
        void operator()(HWND window) const;
    };
    std::unique_ptr<std::remove_pointer_t<HWND>, Destroyer> window_;
    std::vector<HWND> controls_;
    win32::Win32Window form_;
    OwnedParts parts_;  // last: the wrappers let go of their windows first
};

}  // namespace netvik::app
