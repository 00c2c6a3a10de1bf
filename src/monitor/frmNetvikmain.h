#pragma once
#include <memory>

#include "common/Bool16.h"
#include "monitor/ImageList.h"
#include "monitor/MainControls.h"
#include "monitor/ModalWindows.h"
#include "monitor/StateRecord.h"
#include "net/modWinSock.h"
#include "platform/Application.h"
#include "platform/MessageBoxes.h"
#include "platform/NetworkConfig.h"
#include "platform/ShellNotify.h"
#include "settings/SettingsStore.h"
#include "tray/clsSysTray.h"

namespace netvik {

// What the main window uses of the system beyond its own controls.
struct MainServices {
    platform::Application& application;
    platform::MessageBoxes& messages;
    platform::ShellNotify& shell;
    modWinSock& winsock;
    SettingsStore& settings;
    modWinReg& registry;  // the network configuration, read only
    platform::NetworkConfig& network;
};

// The main window: the program's one long-lived object. It owns the state
// record, the tray icon and the timer, and its handlers carry the program's
// behaviour; it sets them as its controls' events, which the platform runs.
//
// The handlers live in files named for what they hold: Lifecycle.cpp,
// CheckCycle.cpp, TrayMenu.cpp, PanelFields.cpp, PanelButtons.cpp,
// ExternalAddress.cpp and AddressButtons.cpp.
class frmNetvikmain {
public:
    static constexpr std::uint32_t kCountdownInterval = 60000;

    frmNetvikmain(const MainServices& services, MainControls& controls);
    ~frmNetvikmain();
    frmNetvikmain(const frmNetvikmain&) = delete;
    frmNetvikmain& operator=(const frmNetvikmain&) = delete;

    // Start-up, the window's two states, and the ends of the program.
    void Form_Load();
    void Form_Resize();
    void Form_QueryUnload();
    void cmdQuit_Click();

    // The minute countdown that drives the check cycle.
    void Timer_Timer();

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

    // The buttons that fill the address boxes.
    void cmdGetH_Click();
    void cmdGetC_Click();
    void cmdIname_Click();

    // The external address, learnt over FTP.
    void cmdRetrieve_Click();
    void Winsock_Connect();
    void Winsock_DataArrival(std::int32_t bytesTotal);
    void Winsock_Close();
    void Winsock_Resolved(const std::string& address);

    // The tray menu.
    void gSysTray_RButtonUP();
    void mnoRefresh_Click();
    void mnoDisable_Click();
    void mnoQuit_Click();

    StateRecord& State() { return state_; }
    const StateRecord& State() const { return state_; }
    // The application-wide flag: the program shows in the task list, which
    // it does exactly while the settings panel is open.
    bool IsShownInTaskList() const { return ShownInTaskList; }
    clsSysTray& SysTray() { return *gSysTray; }

private:
    void SetEvents();
    void ClearEvents();

    void CheckCycle();
    void ReportInvalidAddresses();
    void ShowRefreshRate();
    // Runs a check (which puts the program into the tray) and restarts the
    // countdown when checking is enabled; else only goes to the tray.
    void BackToTray();
    // Stores the settings in force and follows the start-at-logon choice;
    // reports a refused write.
    void StoreSettings();

    // The external-address retrieval: its result, its time-out (a tick while
    // the panel is open), its failure, and its end when the panel goes to
    // the tray.
    void ShowExternalAddress(const std::string& address);
    void RetrievalTimedOut();
    void FailRetrieval();
    void AbandonRetrieval();
    // Closes the connection and gives the timer back to the countdown.
    void EndRetrieval();
    // A host name's first address, with the sockets library held for the
    // lookup whether or not the panel holds it.
    std::string LookUp(const std::string& hostName);
    // This PC's second address, likewise.
    std::string LocalSecondAddress();
    // Loads and fills the gateway dialog when there are gateways to offer.
    void FindGateways(Bool16& found);

    MainServices services_;
    MainControls& controls_;  // for the dialogs, loaded on demand

    // The controls, by name.
    platform::Window& form;
    platform::Timer& Timer;
    platform::TextBox& txtIIP;
    platform::Button& cmdIname;
    platform::TextBox& txtHIP;
    platform::Button& cmdGetH;
    platform::TextBox& txtCIP;
    platform::Button& cmdGetC;
    platform::Label& lblRefreshRate;
    platform::Slider& sldRefresh;
    platform::Label& lblRealIP;
    platform::Button& cmdRetrieve;
    platform::TcpClient& Winsock;
    platform::CheckBox& chkStartup;
    platform::Button& cmdSave;
    platform::Button& cmdRestore;
    platform::Button& cmdOK;
    platform::Button& cmdCancel;
    platform::Button& cmdQuit;
    platform::PopupMenu& mnuPopup;
    const platform::Pictures& pictures;
    ImageList ImageList_;

    StateRecord state_;
    Bool16 ShownInTaskList{true};  // a program shows in the task list until it says otherwise
    // The last value the restore step read was missing: nothing is stored,
    // or the settings lack the start-up choice. Start-up then opens the panel.
    bool lastRestoreMissedValue_ = false;
    // An external-address retrieval: none, waiting for the server, or
    // looking up the host name the server reported.
    enum class Retrieval { Idle, Waiting, Resolving } retrieval_ = Retrieval::Idle;
    ModalWindows modal_;  // the message boxes and dialogs the main window opens
    std::unique_ptr<clsSysTray> gSysTray;
    std::unique_ptr<frmGatewayIPs> gatewayIPs_;  // loaded by FindGateways, unloaded by cmdGetH_Click
};

}  // namespace netvik
