#pragma once
#include <memory>
#include <type_traits>
#include <utility>

#include "app/OwnedParts.h"
#include "platform/Window.h"
#include "platform/win32/Win32Window.h"

namespace netvik::app {

// A dialog window of the program, loaded on demand, with the wrappers of its
// controls, which Make makes over a control's window and keeps for as long
// as the dialog. Its dialog procedure only routes messages to the events of
// the window and of its controls.
class Dialog : public platform::LoadedWindow {
public:
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    HWND Hwnd() const { return window_.get(); }
    win32::Win32Window& form() { return form_; }

    template <typename Wrapper, typename... Arguments>
    Wrapper& Make(HWND control, Arguments&&... arguments) {
        return parts_.Make<Wrapper>(control, std::forward<Arguments>(arguments)...);
    }

protected:
    Dialog() : form_(nullptr) {}
    // Takes the window that a CreateDialog... call made with Procedure and
    // Parameter(); the program cannot go on without it.
    void Take(HWND window);
    LPARAM Parameter() { return reinterpret_cast<LPARAM>(this); }
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    struct Destroyer {
        void operator()(HWND window) const;
    };
    std::unique_ptr<std::remove_pointer_t<HWND>, Destroyer> window_;
    win32::Win32Window form_;
    OwnedParts parts_;  // last: the wrappers let go of their windows first
};

// A modeless dialog from the program's resources, its controls found by id.
class ResourceDialog : public Dialog {
public:
    ResourceDialog(HINSTANCE instance, int templateId);

    template <typename Wrapper, typename... Arguments>
    Wrapper& Make(int id, Arguments&&... arguments) {
        return Dialog::Make<Wrapper>(GetDlgItem(Hwnd(), id), std::forward<Arguments>(arguments)...);
    }
};

}  // namespace netvik::app
