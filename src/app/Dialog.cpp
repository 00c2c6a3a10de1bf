#include "app/Dialog.h"

#include "common/Failure.h"

namespace netvik::app {

void Dialog::Take(HWND window) {
    window_.reset(window);
    if (window_ == nullptr) Fail("cannot create a dialog");
    form_ = win32::Win32Window(window);
}

void Dialog::Destroyer::operator()(HWND window) const {
    SetWindowLongPtrA(window, DWLP_USER, 0);  // no message reaches the wrappers any more
    DestroyWindow(window);
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = win32::DialogOwner<Dialog>(window, message, lParam);
    if (self == nullptr || self->form_.Hwnd() == nullptr) return message == WM_INITDIALOG ? TRUE : FALSE;
    return win32::RouteDialogMessage(self->form_, message, wParam, lParam);
}

ResourceDialog::ResourceDialog(HINSTANCE instance, int templateId) {
    Take(CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId), nullptr, &Procedure, Parameter()));
}

}  // namespace netvik::app
