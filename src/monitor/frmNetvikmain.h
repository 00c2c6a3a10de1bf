#pragma once
#include <memory>

#include "monitor/ImageList.h"
#include "monitor/StateRecord.h"
#include "net/modWinSock.h"
#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/MessageBoxes.h"
#include "platform/Pictures.h"
#include "platform/ShellNotify.h"
#include "platform/Timer.h"
#include "platform/Window.h"
#include "settings/modWinReg.h"
#include "tray/clsSysTray.h"

namespace netvik {

// What the main window uses of the system beyond its own controls.
struct MainServices {
    platform::Application& application;
    platform::MessageBoxes& messages;
    platform::ShellNotify& shell;
    modWinSock& winsock;
    modWinReg& registry;
};

// The main window's controls, real or in memory: those its logic reads or
// changes.
struct MainControls {
    platform::Window& form;
    platform::Timer& Timer;
    const platform::Pictures& pictures;  // the image list's six tray icons
    platform::TextBox& txtIIP;
    platform::TextBox& txtHIP;
    platform::TextBox& txtCIP;
    platform::Button& cmdIname;
    platform::Button& cmdGetH;
    platform::Button& cmdGetC;
    platform::Label& lblRefreshRate;
    platform::Slider& sldRefresh;
    platform::Label& lblRealIP;
    platform::Button& cmdRetrieve;
    platform::CheckBox& chkStartup;
    platform::Button& cmdSave;
    platform::Button& cmdRestore;
    platform::Button& cmdOK;
    platform::Button& cmdCancel;
    platform::Button& cmdQuit;
    platform::PopupMenu& mnuPopup;
};

// Positions of the tray menu's items.
enum TrayMenuItem : int { mnoRefresh = 0, mnoDisable = 1, mnoSeperate = 2, mnoHide = 3, mnoQuit = 4 };

// The main window: the program's one long-lived object. It owns the state
// record, the tray icon and the timer, and its handlers carry the program's
// behaviour; the platform's window procedure only routes events to them.
class frmNetvikmain {
public:
    static constexpr std::uint32_t kCountdownInterval = 60000;

    frmNetvikmain(const MainServices& services, const MainControls& controls);
    ~frmNetvikmain();
    frmNetvikmain(const frmNetvikmain&) = delete;
    frmNetvikmain& operator=(const frmNetvikmain&) = delete;

    void Form_Load();
    void Form_Resize();
    void Form_QueryUnload();
    void Timer_Timer();
    void cmdQuit_Click();

    // The address boxes and the refresh-rate slider.
    void txtIIP_KeyPress(std::int16_t& KeyAscii);
    void txtHIP_KeyPress(std::int16_t& KeyAscii);
    void txtCIP_KeyPress(std::int16_t& KeyAscii);
    void sldRefresh_Scroll();

    // The settings: registry, controls and the state in force.
    void cmdRestore_Click();
    void cmdSave_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

    // The tray menu.
    void gSysTray_RButtonUP();
    void mnoRefresh_Click();
    void mnoDisable_Click();
    void mnoQuit_Click();

    StateRecord& State() { return state_; }
    const StateRecord& State() const { return state_; }
    clsSysTray& SysTray() { return *gSysTray; }

private:
    void CheckCycle();
    void ReportInvalidAddresses();
    void ShowRefreshRate();
    // Runs a check (which puts the program into the tray) and restarts the
    // countdown when checking is enabled; else only goes to the tray.
    void BackToTray();
    void StoreSettings();
    std::string ReadSetting(const char* name);
    bool WriteSetting(const char* name, const std::string& data);

    MainServices services_;
    MainControls controls_;
    ImageList ImageList_;
    StateRecord state_;
    std::unique_ptr<clsSysTray> gSysTray;
};

}  // namespace netvik
