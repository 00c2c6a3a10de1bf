#include "app/MainWindow.h"

#include <array>
#include <functional>

#include "app/TextFit.h"
#include "app/TwipsDialog.h"
#include "app/resource.h"
#include "common/Failure.h"
#include "common/PanelDesign.h"
#include "monitor/frmNetvikmain.h"

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
    if (RegisterClassA(&wc) == 0) Fail("cannot register the main window class");
}

std::string LoadText(HINSTANCE instance, int id) {
    char text[256] = {};
    LoadStringA(instance, static_cast<UINT>(id), text, sizeof text);
    return text;
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance) {
    RegisterMainClass(instance);
    window_.reset(CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, &MainWindow::DialogProc,
                                     reinterpret_cast<LPARAM>(this)));
    if (window_ == nullptr) Fail("cannot create the main window");
    FitTexts(Hwnd());  // a label that its text outgrows at this resolution grows

    form_ = std::make_unique<win32::Win32Window>(Hwnd());
    timer_ = std::make_unique<win32::Win32Timer>(Hwnd(), kTimerId, frmNetvikmain::kCountdownInterval, true);
    pictures_ =
        std::make_unique<win32::Win32Pictures>(instance, IDI_NETVIK,
                                               std::array<int, 6>{IDI_TRAY_CHECKING, IDI_TRAY_DISABLED, IDI_TRAY_ERROR,
                                                                  IDI_TRAY_COMPUTER, IDI_TRAY_HOST, IDI_TRAY_INTERNET});

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
    winsock_ = std::make_unique<win32::Win32TcpClient>();
    chkStartup_ = std::make_unique<win32::Win32CheckBox>(Item(IDC_CHKSTARTUP));
    cmdSave_ = std::make_unique<win32::Win32Button>(Item(IDC_CMDSAVE));
    cmdRestore_ = std::make_unique<win32::Win32Button>(Item(IDC_CMDRESTORE));
    cmdOK_ = std::make_unique<win32::Win32Button>(Item(IDC_CMDOK));
    cmdCancel_ = std::make_unique<win32::Win32Button>(Item(IDC_CMDCANCEL));
    cmdQuit_ = std::make_unique<win32::Win32Button>(Item(IDC_CMDQUIT));
    mnuPopup_ = std::make_unique<win32::Win32PopupMenu>(instance, IDM_POPUP, Hwnd());

    tooltips_ = std::make_unique<win32::Win32Tooltips>(Hwnd());
    for (const int id : {IDC_TXTIIP, IDC_TXTHIP, IDC_TXTCIP, IDC_SLDREFRESH, IDC_CMDRETRIEVE}) {
        tooltips_->Add(Item(id), LoadText(instance, id));
    }
}

MainWindow::~MainWindow() = default;

std::unique_ptr<GatewayIPsControls> MainWindow::LoadGatewayIPs() { return std::make_unique<GatewayIPsWindow>(Hwnd()); }

std::unique_ptr<IAddressControls> MainWindow::LoadIAddress() { return std::make_unique<IAddressWindow>(Hwnd()); }

void MainWindow::Destroyer::operator()(HWND window) const {
    SetWindowLongPtrA(window, DWLP_USER, 0);  // no message reaches the wrappers any more
    DestroyWindow(window);
}

INT_PTR CALLBACK MainWindow::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = win32::DialogOwner<MainWindow>(window, message, lParam);
    if (self == nullptr || self->form_ == nullptr) return message == WM_INITDIALOG ? TRUE : FALSE;
    if (message == WM_TIMER && wParam == self->timer_->Id()) {
        if (self->timer_->Tick) self->timer_->Tick();
        return TRUE;
    }
    return win32::RouteDialogMessage(*self->form_, message, wParam, lParam);
}

}  // namespace netvik::app
