#include "app/MainWindow.h"

#include <stdexcept>

#include "app/resource.h"
#include "monitor/MonitorTexts.h"

namespace netvik::app {

namespace {

constexpr UINT_PTR kTimerId = 1;

void RegisterMainClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_NETVIK));
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = MainWindow::kClassName;
    if (RegisterClassA(&wc) == 0) throw std::runtime_error("cannot register the main window class");
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance) {
    RegisterMainClass(instance, &MainWindow::WindowProc);
    window_ = CreateWindowExA(0, kClassName, monitor_texts::kMainCaption,
                              WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT, CW_USEDEFAULT,
                              360, 240, nullptr, nullptr, instance, this);
    if (window_ == nullptr) throw std::runtime_error("cannot create the main window");
    form_window_ = std::make_unique<win32::Win32Window>(window_);
    timer_ = std::make_unique<win32::Win32Timer>(window_, kTimerId, frmNetvikmain::kCountdownInterval, true);
    pictures_ = std::make_unique<win32::Win32Pictures>(
        instance, std::array<int, 6>{IDI_TRAY_CHECKING, IDI_TRAY_DISABLED, IDI_TRAY_ERROR, IDI_TRAY_COMPUTER,
                                     IDI_TRAY_HOST, IDI_TRAY_INTERNET});
}

MainWindow::~MainWindow() {
    form_ = nullptr;
    timer_.reset();
    if (window_ != nullptr) DestroyWindow(window_);
}

MainControls MainWindow::Controls() { return MainControls{*form_window_, *timer_, *pictures_}; }

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr || self->form_ == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    return self->Route(message, wParam, lParam);
}

LRESULT MainWindow::Route(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam == kTimerId) form_->Timer_Timer();
            return 0;
        case WM_SIZE:
            if (IsWindowVisible(window_) || wParam == SIZE_MINIMIZED) form_->Form_Resize();
            return 0;
        case WM_CLOSE:
        case WM_QUERYENDSESSION: form_->Form_QueryUnload(); return 0;
        default: return DefWindowProcA(window_, message, wParam, lParam);
    }
}

}  // namespace netvik::app
