#include "app/MainWindow.h"

#include <array>
#include <functional>

#include "app/Dialog.h"
#include "app/TextFit.h"
#include "app/TwipsDialog.h"
#include "app/resource.h"
#include "common/Failure.h"
#include "common/PanelDesign.h"
#include "history/HistoryTexts.h"
#include "monitor/frmNetvikmain.h"
#include "platform/win32/Win32Pictures.h"
#include "platform/win32/Win32TcpClient.h"

namespace netvik::app {

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT_PTR kResumeTimerId = 2;

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

win32::SliderArgs RefreshSlider() {
    win32::SliderArgs slider;
    slider.min = panel_design::kRefreshMin;
    slider.max = panel_design::kRefreshMax;
    slider.smallChange = panel_design::kRefreshSmallChange;
    slider.largeChange = panel_design::kRefreshLargeChange;
    slider.tickFrequency = 1;
    slider.value = panel_design::kRefreshDesignValue;
    return slider;
}

}  // namespace

HWND MainWindow::Create(HINSTANCE instance, MainWindow* self) {
    RegisterMainClass(instance);
    const HWND window = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, &MainWindow::DialogProc,
                                           reinterpret_cast<LPARAM>(self));
    if (window == nullptr) Fail("cannot create the main window");
    FitTexts(window);  // a label that its text outgrows at this resolution grows
    return window;
}

MainWindow::MainWindow(HINSTANCE instance) : window_(Create(instance, this)), controls_(Load(instance)) {
    auto& tooltips = parts_.Make<win32::Win32Tooltips>(Hwnd());
    for (const int id : {IDC_TXTIIP, IDC_TXTHIP, IDC_TXTCIP, IDC_SLDREFRESH, IDC_CMDRETRIEVE}) {
        tooltips.Add(Item(id), LoadText(instance, id));
    }
}

MainControls MainWindow::Load(HINSTANCE instance) {
    using namespace win32;
    form_ = &parts_.Make<Win32Window>(Hwnd());
    timer_ = &parts_.Make<Win32Timer>(Hwnd(), kTimerId, frmNetvikmain::kCountdownInterval, true);
    resumeTimer_ = &parts_.Make<Win32Timer>(Hwnd(), kResumeTimerId, frmNetvikmain::kResumeDelay, false);
    constexpr std::size_t kAddress = panel_design::kAddressMaxLength;
    return {
        *form_,
        *timer_,
        *resumeTimer_,
        parts_.Make<Win32Pictures>(instance, IDI_NETVIK,
                                   std::array<int, 6>{IDI_TRAY_CHECKING, IDI_TRAY_DISABLED, IDI_TRAY_ERROR,
                                                      IDI_TRAY_COMPUTER, IDI_TRAY_HOST, IDI_TRAY_INTERNET}),
        parts_.Make<Win32TextBox>(Item(IDC_TXTIIP), kAddress),
        parts_.Make<Win32Button>(Item(IDC_CMDINAME)),
        parts_.Make<Win32TextBox>(Item(IDC_TXTHIP), kAddress),
        parts_.Make<Win32Button>(Item(IDC_CMDGETH)),
        parts_.Make<Win32TextBox>(Item(IDC_TXTCIP), kAddress),
        parts_.Make<Win32Button>(Item(IDC_CMDGETC)),
        parts_.Make<Win32Label>(Item(IDC_LBLREFRESHRATE)),
        parts_.Make<Win32Slider>(Item(IDC_SLDREFRESH), RefreshSlider()),
        parts_.Make<Win32Label>(Item(IDC_LBLREALIP)),
        parts_.Make<Win32Button>(Item(IDC_CMDRETRIEVE)),
        parts_.Make<Win32TcpClient>(),
        parts_.Make<Win32CheckBox>(Item(IDC_CHKSTARTUP)),
        parts_.Make<Win32Button>(Item(IDC_CMDSAVE)),
        parts_.Make<Win32Button>(Item(IDC_CMDRESTORE)),
        parts_.Make<Win32Button>(Item(IDC_CMDOK)),
        parts_.Make<Win32Button>(Item(IDC_CMDCANCEL)),
        parts_.Make<Win32Button>(Item(IDC_CMDQUIT)),
        parts_.Make<Win32PopupMenu>(instance, IDM_POPUP, Hwnd()),
        *this,
    };
}

platform::Loaded<GatewayIPsControls> MainWindow::LoadGatewayIPs() {
    using namespace win32;
    auto dialog = std::make_unique<TwipsDialog>(Hwnd(), frmGatewayIPs::kLayout);
    const GatewayIPsControls controls{dialog->form(), dialog->Make<Win32ComboBox>(0), dialog->Make<Win32Button>(1),
                                      dialog->Make<Win32Button>(2)};
    return {std::move(dialog), controls};
}

platform::Loaded<IAddressControls> MainWindow::LoadIAddress() {
    using namespace win32;
    auto dialog = std::make_unique<TwipsDialog>(Hwnd(), frmIAddress::kLayout);
    const IAddressControls controls{dialog->form(),
                                    dialog->Make<Win32TextBox>(0, frmIAddress::kUrlMaxLength),
                                    dialog->Make<Win32Button>(1),
                                    dialog->Make<Win32Button>(2),
                                    dialog->Make<Win32Button>(3),
                                    dialog->Make<Win32Button>(4)};
    return {std::move(dialog), controls};
}

platform::Loaded<HistoryControls> MainWindow::LoadHistory() {
    using namespace win32;
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(Hwnd(), GWLP_HINSTANCE));
    auto dialog = std::make_unique<ResourceDialog>(instance, IDD_HISTORY);
    const auto& column = history::texts::kColumns;
    const HistoryControls controls{
        dialog->form(),
        dialog->Make<Win32Label>(IDC_LBLSUMMARY),
        dialog->Make<Win32ListView>(
            IDC_LSTOUTAGES,
            std::initializer_list<ListColumn>{{column[0], 95}, {column[1], 95}, {column[2], 50}, {column[3], 238}}),
        dialog->Make<Win32Label>(IDC_LBLNOTES),
        dialog->Make<Win32Button>(IDC_CMDCOPY),
        dialog->Make<Win32Button>(IDC_CMDOPEN),
        dialog->Make<Win32Button>(IDCANCEL),
    };
    return {std::move(dialog), controls};
}

void MainWindow::Destroyer::operator()(HWND window) const {
    SetWindowLongPtrA(window, DWLP_USER, 0);  // no message reaches the wrappers any more
    DestroyWindow(window);
}

INT_PTR CALLBACK MainWindow::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = win32::DialogOwner<MainWindow>(window, message, lParam);
    if (self == nullptr || self->form_ == nullptr) return message == WM_INITDIALOG ? TRUE : FALSE;
    if (message == WM_TIMER) {
        for (win32::Win32Timer* timer : {self->timer_, self->resumeTimer_}) {
            if (wParam == timer->Id() && timer->Tick) timer->Tick();
        }
        return TRUE;
    }
    return win32::RouteDialogMessage(*self->form_, message, wParam, lParam);
}

}  // namespace netvik::app
