#pragma once
#include <memory>
#include <optional>

#include "common/Bool16.h"
#include "common/EventBindings.h"
#include "history/ChangeNotifier.h"
#include "history/Recorder.h"
#include "monitor/ImageList.h"
#include "monitor/MainControls.h"
#include "monitor/ModalWindows.h"
#include "monitor/PanelRules.h"
#include "monitor/StateRecord.h"
#include "net/PathTrace.h"
#include "net/modWinSock.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/ConnectAttempt.h"
#include "platform/Desktop.h"
#include "platform/NetworkConfig.h"
#include "platform/ShellNotify.h"
#include "settings/SettingsStore.h"
#include "tray/clsSysTray.h"

namespace netvik {

// What the main window uses of the system beyond its own controls.
struct MainServices {
    platform::Application& application;
    ModalWindows& messages;  // the program's message boxes, and the main window's dialogs
    platform::ShellNotify& shell;
    modWinSock& winsock;
    SettingsStore& settings;
    modWinReg& registry;  // the network configuration, read only
    platform::NetworkConfig& network;
    platform::Clock& clock;
    history::Recorder& recorder;        // the connection's record
    history::LatencyRecorder& latency;  // the Internet site's round trips, an hour a line
    platform::Desktop& desktop;
    MainDialogs& dialogs;               // the main window's dialogs and the History window, loaded on demand
    platform::IcmpService& icmp;        // the trace's echo requests
    platform::ConnectAttempt& connect;  // the trace's TCP connection attempt to the site
};

// The main window: the program's one long-lived object. It owns the state
// record, the tray icon and the timer, and its handlers carry the program's
// behaviour: they gather from the controls, decide through the plain rules
// (CheckRules.h, PanelRules.h) and apply. It binds them to its controls'
// events, which the platform runs. Its controls are its own by name (the
// struct it derives from).
//
// The handlers live in files named for what they hold: Lifecycle.cpp,
// CheckCycle.cpp, TrayMenu.cpp, PanelFields.cpp, PanelButtons.cpp,
// ExternalAddress.cpp and AddressButtons.cpp.
class frmNetvikmain : private MainControls {
public:
    static constexpr std::uint32_t kCountdownInterval = 60000;
    // How long after the PC wakes its check waits: the network needs a
    // moment (a Wi-Fi joins again, an address is leased anew).
    static constexpr std::uint32_t kResumeDelay = 10000;
    // How often a trace's echo requests are looked at.
    static constexpr std::uint32_t kTracePoll = 50;

    frmNetvikmain(const MainServices& services, const MainControls& controls);

    // Start-up, the window's two states, the PC's sleep, and the ends of the
    // program.
    void Form_Load();
    void Form_Resize();
    void Form_QueryUnload();
    void Form_Suspending();
    void Form_Resumed();
    void tmrResume_Timer();
    void cmdQuit_Click();

    // The minute countdown that drives the check cycle.
    void Timer_Timer();
    // The trace after a change to no-internet: its poll, and its end.
    void tmrTrace_Timer();
    void Trace_Done(const TraceResult& result);

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

    // The tray icon, its balloons and its menu.
    void gSysTray_RButtonUP();
    void gSysTray_WentToTray();
    void gSysTray_Restored();
    void gSysTray_BalloonClosed();
    void mnoRefresh_Click();
    void mnoDisable_Click();
    void mnoSettings_Click();
    void mnoHistory_Click();
    void mnoNotify_Click();
    void mnoQuit_Click();

    StateRecord& State() { return state_; }
    const StateRecord& State() const { return state_; }
    // The application-wide flag: the program shows in the task list, which
    // it does exactly while the settings panel is open.
    bool IsShownInTaskList() const { return ShownInTaskList; }
    clsSysTray& SysTray() { return *gSysTray; }

private:
    void BindEvents();

    void CheckCycle();
    // Records a cycle's verdict, and tells of a change in a balloon. True
    // when its line waits for a trace.
    bool RecordVerdict(int answered);
    // Traces the path toward the site; its line goes as it is when nothing
    // can be sent.
    void BeginTrace();
    // Ends a trace still under way: its line goes as it is.
    void EndTrace();
    // Records what starts or ends a watched stretch.
    void RecordEvent(history::WatchEvent event);
    void ReportInvalidAddresses();
    void ShowRefreshRate();

    // The panel's settings: as its controls show them, shown anew, and put
    // in force (the Ok step, from the controls or, at start-up, from the
    // stored settings themselves).
    PanelValues PanelShown() const;
    void ShowPanel(const PanelValues& values);
    void Apply(const PanelValues& panel);
    // Loads the stored settings into the panel; none when nothing is stored.
    std::optional<PanelValues> Restore();
    // Runs a check (which puts the program into the tray) and restarts the
    // countdown when checking is enabled; else only goes to the tray.
    void BackToTray();
    // Stores the settings in force and follows the start-at-logon choice of
    // the check box; reports a refused write.
    void StoreSettings(std::int16_t loadAtStartup);

    // The external-address retrieval: its result, its time-out (a tick while
    // the panel is open), its failure, and its end when the panel goes to
    // the tray.
    void ShowExternalAddress(const std::string& address);
    void RetrievalTimedOut();
    void FailRetrieval();
    void AbandonRetrieval();
    // Closes the connection and gives the timer back to the countdown.
    void EndRetrieval();

    // Runs a lookup with the sockets library held for it, whether or not the
    // panel holds it: a host name's first address, this PC's first address
    // or its second.
    template <typename Lookup>
    std::string WithSockets(Lookup lookup);
    std::string LookUp(const std::string& hostName);
    // Loads and fills the gateway dialog when there are gateways to offer.
    void FindGateways(Bool16& found);

    MainServices services_;
    ImageList ImageList_;
    StateRecord state_;
    Bool16 ShownInTaskList{true};  // a program shows in the task list until it says otherwise
    // The last value the restore step read was missing: nothing is stored,
    // or the settings lack the start-up choice. Start-up then opens the panel.
    bool lastRestoreMissedValue_ = false;
    // An external-address retrieval: none, waiting for the server, or
    // looking up the host name the server reported.
    enum class Retrieval { Idle, Waiting, Resolving } retrieval_ = Retrieval::Idle;
    std::unique_ptr<clsSysTray> gSysTray;
    std::unique_ptr<frmGatewayIPs> gatewayIPs_;  // loaded by FindGateways, unloaded by cmdGetH_Click
    history::ChangeNotifier notifier_;
    bool notifyOnChange_ = true;           // balloons tell of changes ("&Notify on change")
    std::unique_ptr<frmHistory> history_;  // loaded at its first use, then reused
    std::string externalAddress_;          // the one learnt in this run, for the History window's report
    PathTrace trace_;
    history::Stamp tracedCheck_;  // the check whose change the trace follows
    bool traceBalloon_ = false;   // that change's balloon is up, for the trace's to follow
    EventBindings events_;        // last: its handlers go first
};

}  // namespace netvik
