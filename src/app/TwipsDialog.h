#pragma once
#include <memory>
#include <type_traits>
#include <vector>

#include "addresses/DialogLayout.h"
#include "app/Dialog.h"
#include "platform/win32/Win32Controls.h"
#include "platform/win32/Win32Window.h"

namespace netvik::app {

// A small modal dialog built at run time from its layout in twips, each
// position and size turned into pixels with the screen's twips per pixel.
// Make makes the wrapper of the layout's control at an index.
class TwipsDialog : public Dialog {
public:
    TwipsDialog(HWND owner, const DialogLayout& layout);

    // The wrapper of the layout's control at that index.
    template <typename Wrapper, typename... Arguments>
    Wrapper& Make(std::size_t index, Arguments&&... arguments) {
        return Dialog::Make<Wrapper>(controls_.at(index), std::forward<Arguments>(arguments)...);
    }

private:
    void PlaceOver(HWND owner, int width, int height);

    std::vector<HWND> controls_;
};

}  // namespace netvik::app
