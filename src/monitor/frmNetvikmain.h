#pragma once
#include <memory>

#include "monitor/ImageList.h"
#include "monitor/StateRecord.h"
#include "net/modWinSock.h"
#include "platform/Application.h"
#include "platform/MessageBoxes.h"
#include "platform/Pictures.h"
#include "platform/ShellNotify.h"
#include "platform/Timer.h"
#include "platform/Window.h"
#include "tray/clsSysTray.h"

namespace netvik {

// What the main window uses of the system beyond its own controls.
struct MainServices {
    platform::Application& application;
    platform::MessageBoxes& messages;
    platform::ShellNotify& shell;
    modWinSock& winsock;
};

// The main window's controls, real or in memory.
struct MainControls {
    platform::Window& form;
    platform::Timer& Timer;
    const platform::Pictures& pictures;
};

// The main window: the program's one long-lived object. It owns the state
// record, the tray icon and the timer, and its handlers carry the program's
// behaviour; the platform's window procedure only routes events to them.
class frmNetvikmain {
public:
    static constexpr std::uint32_t kCountdownInterval = 60000;

    frmNetvikmain(const MainServices& services, const MainControls& controls);

    void Form_Load();
    void Form_Resize();
    void Form_QueryUnload();
    void Timer_Timer();

    StateRecord& State() { return state_; }
    const StateRecord& State() const { return state_; }
    clsSysTray& SysTray() { return *gSysTray; }

private:
    void CheckCycle();

    MainServices services_;
    MainControls controls_;
    ImageList ImageList_;
    StateRecord state_;
    std::unique_ptr<clsSysTray> gSysTray;
};

}  // namespace netvik
