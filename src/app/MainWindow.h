#pragma once
#include <memory>

#include "monitor/frmNetvikmain.h"
#include "platform/win32/Win32Pictures.h"
#include "platform/win32/Win32Timer.h"
#include "platform/win32/Win32Window.h"

namespace netvik::app {

// The main window on Win32: creates the window and its controls, and routes
// each message to the handler of the main window's logic.
class MainWindow {
public:
    static constexpr char kClassName[] = "NetvikMainWindow";

    explicit MainWindow(HINSTANCE instance);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND Hwnd() const { return window_; }
    MainControls Controls();
    // From now on events reach the handlers of form.
    void Attach(frmNetvikmain& form) { form_ = &form; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Route(UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    frmNetvikmain* form_ = nullptr;
    std::unique_ptr<win32::Win32Window> form_window_;
    std::unique_ptr<win32::Win32Timer> timer_;
    std::unique_ptr<win32::Win32Pictures> pictures_;
};

}  // namespace netvik::app
