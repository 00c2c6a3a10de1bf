// The tray hook and the window wrapper on real windows.
#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/Win32Timer.h"
#include "platform/win32/Win32Window.h"

namespace netvik {
namespace {

class RecordingSink : public platform::TrayCallbackSink {
public:
    void OnTrayCallback(std::int32_t mouseMessage) override { received.push_back(mouseMessage); }
    void OnTaskbarCreated() override {}
    std::vector<std::int32_t> received;
};

void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

class RealWindow : public ::testing::Test {
protected:
    RealWindow() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "NetvikTestWindow";
        RegisterClassA(&wc);
        hwnd = CreateWindowExA(0, "NetvikTestWindow", "Netvik", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                               wc.hInstance, nullptr);
    }
    ~RealWindow() override { DestroyWindow(hwnd); }

    HWND hwnd;
};

TEST_F(RealWindow, HookIsAnInvisibleChildThatDeliversTheShellsCallbacks) {
    win32::Win32Window window(hwnd);
    RecordingSink sink;
    auto hook = window.CreateTrayHook(sink);
    const HWND hookWindow = win32::ToHwnd(hook->Handle());
    ASSERT_NE(hookWindow, nullptr);
    EXPECT_EQ(GetParent(hookWindow), hwnd);
    EXPECT_FALSE(IsWindowVisible(hookWindow));

    // The shell posts the callback message with the icon's id and the mouse
    // message over the icon.
    PostMessageA(hookWindow, 0x200, 1, 0x205);
    PostMessageA(hookWindow, 0x200, 1, 0x203);
    Pump();
    EXPECT_EQ(sink.received, (std::vector<std::int32_t>{0x205, 0x203}));
}

TEST_F(RealWindow, HookKeepsThePictureItIsGiven) {
    win32::Win32Window window(hwnd);
    RecordingSink sink;
    auto hook = window.CreateTrayHook(sink);
    const HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
    hook->SetPicture(win32::ToHandle(icon));
    EXPECT_EQ(hook->Picture(), win32::ToHandle(icon));
}

TEST_F(RealWindow, StateSetWhileHiddenTakesEffectWhenShown) {
    win32::Win32Window window(hwnd);
    ShowWindow(hwnd, SW_SHOWMINIMIZED);
    ShowWindow(hwnd, SW_HIDE);
    EXPECT_EQ(window.State(), platform::WindowState::Minimized);  // hidden, yet still minimized

    window.SetState(platform::WindowState::Normal);
    EXPECT_FALSE(window.Visible());
    window.Show();
    EXPECT_TRUE(window.Visible());
    EXPECT_EQ(window.State(), platform::WindowState::Normal);
    EXPECT_FALSE(IsIconic(hwnd));
}

TEST_F(RealWindow, CaptionRoundTripsWithCarriageReturns) {
    win32::Win32Window window(hwnd);
    window.SetCaption("No Internet connection,\rcheck the internetsettings.");
    EXPECT_EQ(window.Caption(), "No Internet connection,\rcheck the internetsettings.");
}

TEST_F(RealWindow, TimerTicksOnlyWhileEnabled) {
    win32::Win32Timer timer(hwnd, 7, 10, false);
    EXPECT_FALSE(timer.Enabled());
    timer.SetEnabled(true);
    EXPECT_EQ(timer.Interval(), 10U);
    bool ticked = false;
    for (int i = 0; i < 100 && !ticked; ++i) {
        Sleep(10);
        MSG message;
        ticked = PeekMessageA(&message, hwnd, WM_TIMER, WM_TIMER, PM_REMOVE) && message.wParam == 7;
    }
    EXPECT_TRUE(ticked);
    timer.SetEnabled(false);
    Sleep(50);
    MSG message;
    EXPECT_FALSE(PeekMessageA(&message, hwnd, WM_TIMER, WM_TIMER, PM_REMOVE));
}

}  // namespace
}  // namespace netvik
