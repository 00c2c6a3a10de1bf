#include "app/MainWindow.h"

#include <stdexcept>

#include "app/resource.h"
#include "monitor/PanelDesign.h"

namespace netvik::app {

namespace {

constexpr UINT_PTR kTimerId = 1;

// The panel is a dialog of its own window class, so that it carries the
// program's icon and can be found by its class.
void RegisterMainClass(HINSTANCE instance) {
    WNDCLASSA existing;
    if (GetClassInfoA(instance, MainWindow::kClassName, &existing)) return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefDlgProcA;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_NETVIK));
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = MainWindow::kClassName;
    if (RegisterClassA(&wc) == 0) throw std::runtime_error("cannot register the main window class");
}

std::string LoadText(HINSTANCE instance, int id) {
    char text[256] = {};
    LoadStringA(instance, static_cast<UINT>(id), text, sizeof text);
    return text;
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance) {
    RegisterMainClass(instance);
    window_ = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, &MainWindow::DialogProc,
                                 reinterpret_cast<LPARAM>(this));
    if (window_ == nullptr) throw std::runtime_error("cannot create the main window");

    form_window_ = std::make_unique<win32::Win32Window>(window_);
    timer_ = std::make_unique<win32::Win32Timer>(window_, kTimerId, frmNetvikmain::kCountdownInterval, true);
    pictures_ = std::make_unique<win32::Win32Pictures>(
        instance, std::array<int, 6>{IDI_TRAY_CHECKING, IDI_TRAY_DISABLED, IDI_TRAY_ERROR, IDI_TRAY_COMPUTER,
                                     IDI_TRAY_HOST, IDI_TRAY_INTERNET});

    txtIIP_ = std::make_unique<win32::Win32TextBox>(Item(IDC_TXTIIP), panel_design::kAddressMaxLength);
    txtHIP_ = std::make_unique<win32::Win32TextBox>(Item(IDC_TXTHIP), panel_design::kAddressMaxLength);
    txtCIP_ = std::make_unique<win32::Win32TextBox>(Item(IDC_TXTCIP), panel_design::kAddressMaxLength);
    cmdIname_ = std::make_unique<win32::Win32Button>(Item(IDC_CMDINAME));
    cmdGetH_ = std::make_unique<win32::Win32Button>(Item(IDC_CMDGETH));
    cmdGetC_ = std::make_unique<win32::Win32Button>(Item(IDC_CMDGETC));
    lblRefreshRate_ = std::make_unique<win32::Win32Label>(Item(IDC_LBLREFRESHRATE));
    sldRefresh_ = std::make_unique<win32::Win32Slider>(
        Item(IDC_SLDREFRESH),
        win32::Win32Slider::Settings{panel_design::kRefreshMin, panel_design::kRefreshMax,
                                     panel_design::kRefreshSmallChange, panel_design::kRefreshLargeChange, 1,
                                     panel_design::kRefreshDesignValue});
    lblRealIP_ = std::make_unique<win32::Win32Label>(Item(IDC_LBLREALIP));
    cmdRetrieve_ = std::make_unique<win32::Win32Button>(Item(IDC_CMDRETRIEVE));
    chkStartup_ = std::make_unique<win32::Win32CheckBox>(Item(IDC_CHKSTARTUP));
    cmdSave_ = std::make_unique<win32::Win32Button>(Item(IDC_CMDSAVE));
    cmdRestore_ = std::make_unique<win32::Win32Button>(Item(IDC_CMDRESTORE));
    cmdOK_ = std::make_unique<win32::Win32Button>(Item(IDC_CMDOK));
    cmdCancel_ = std::make_unique<win32::Win32Button>(Item(IDC_CMDCANCEL));
    cmdQuit_ = std::make_unique<win32::Win32Button>(Item(IDC_CMDQUIT));
    mnuPopup_ = std::make_unique<win32::Win32PopupMenu>(instance, IDM_POPUP, window_);

    tooltips_ = std::make_unique<win32::Win32Tooltips>(window_);
    for (const int id : {IDC_TXTIIP, IDC_TXTHIP, IDC_TXTCIP, IDC_SLDREFRESH, IDC_CMDRETRIEVE}) {
        tooltips_->Add(Item(id), LoadText(instance, id));
    }
}

MainWindow::~MainWindow() {
    form_ = nullptr;
    timer_.reset();
    txtIIP_.reset();
    txtHIP_.reset();
    txtCIP_.reset();
    tooltips_.reset();
    if (window_ != nullptr) DestroyWindow(window_);
}

MainControls MainWindow::Controls() {
    return MainControls{*form_window_, *timer_,     *pictures_,    *txtIIP_,     *txtHIP_,
                        *txtCIP_,      *cmdIname_,  *cmdGetH_,     *cmdGetC_,    *lblRefreshRate_,
                        *sldRefresh_,  *lblRealIP_, *cmdRetrieve_, *chkStartup_, *cmdSave_,
                        *cmdRestore_,  *cmdOK_,     *cmdCancel_,   *cmdQuit_,    *mnuPopup_};
}

INT_PTR CALLBACK MainWindow::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        return TRUE;
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, DWLP_USER));
    if (self == nullptr || self->form_ == nullptr) return FALSE;
    return self->Route(message, wParam, lParam) ? TRUE : FALSE;
}

bool MainWindow::Route(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam != kTimerId) return false;
            form_->Timer_Timer();
            return true;
        case WM_SIZE:
            if (IsWindowVisible(window_) || wParam == SIZE_MINIMIZED) form_->Form_Resize();
            return true;
        case WM_CLOSE: form_->Form_QueryUnload(); return true;
        case WM_QUERYENDSESSION: form_->Form_QueryUnload(); return true;
        case WM_COMMAND:
            if (HIWORD(wParam) != BN_CLICKED) return false;
            RouteCommand(LOWORD(wParam));
            return true;
        case WM_HSCROLL:
            if (reinterpret_cast<HWND>(lParam) != Item(IDC_SLDREFRESH)) return false;
            form_->sldRefresh_Scroll();
            return true;
        default: return false;
    }
}

void MainWindow::RouteCommand(int control) {
    switch (control) {
        case IDC_CMDSAVE: form_->cmdSave_Click(); break;
        case IDC_CMDRESTORE: form_->cmdRestore_Click(); break;
        case IDC_CMDOK: form_->cmdOK_Click(); break;
        case IDC_CMDCANCEL: form_->cmdCancel_Click(); break;
        case IDC_CMDQUIT: form_->cmdQuit_Click(); break;
        default: break;  // Get, Name and Retrieve: their work comes later
    }
}

}  // namespace netvik::app
