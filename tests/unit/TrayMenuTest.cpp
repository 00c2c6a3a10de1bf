#include <gtest/gtest.h>

#include "fakes/FakeSystem.h"
#include "net/AddressText.h"

namespace netvik {
namespace {

using fakes::FakeShell;
using fakes::FakeSystem;
using fakes::PictureOf;
using fakes::ProgramEnded;

constexpr char kDisabledTip[] = "Internet connection\rchecking disabled.";

class TrayMenu : public ::testing::Test {
protected:
    TrayMenu() {
        fx.StoreSettings("127.0.0.1", "127.0.0.2", "127.0.0.3", "5");
        internet = AddressToLong("127.0.0.1");
        fx.icmp.AlwaysAnswer(static_cast<std::uint32_t>(internet));
        form.Form_Load();
        auto& state = form.State();
        state.MinutesLeft = 2;
        fx.log.Clear();
    }

    // A right-click on the icon, with the user choosing the item at position.
    void Choose(int position) {
        fx.mnuPopup.choices.push_back(position);
        fx.form.hook->Callback(0x205);
    }
    std::string Tip() const { return FakeShell::TipOf(fx.shell.Icon()); }

    FakeSystem fx;
    frmNetvikmain form{fx.Services(), fx.Controls()};
    std::int32_t internet = 0;
};

TEST_F(TrayMenu, RightClickOpensTheMenuAndASecondOneWhileItIsOpenIsDropped) {
    fx.mnuPopup.whileOpen = [&] { fx.form.hook->Callback(0x205); };
    fx.form.hook->Callback(0x205);
    EXPECT_EQ(fx.mnuPopup.opened, 1);
    fx.mnuPopup.whileOpen = nullptr;
    fx.form.hook->Callback(0x205);
    EXPECT_EQ(fx.mnuPopup.opened, 2);
}

TEST_F(TrayMenu, RefreshWhileEnabledChecksAndRestartsTheCountdown) {
    Choose(mnoRefresh);
    EXPECT_EQ(form.State().MinutesLeft, 5);
    EXPECT_EQ(fx.log.Count("WSAStartup"), 1);
    EXPECT_EQ(fx.shell.Icon().hIcon, PictureOf("IIP"));
    EXPECT_EQ(Tip(), "Connected to the Internet.");
    EXPECT_EQ(fx.log.Count("Timer"), 0);  // the timer is not touched
}

TEST_F(TrayMenu, RefreshWhileDisabledOnlyShowsTheMessage) {
    Choose(mnoDisable);
    const auto iconBefore = fx.shell.Icon();
    fx.log.Clear();

    Choose(mnoRefresh);

    ASSERT_EQ(fx.messages.shown.size(), 1U);
    EXPECT_EQ(
        fx.messages.shown[0].text,
        "Netvik is currently set to disabled!\r\rIf you want to enable Netvik, click\ron Enable in the popupmenu.");
    EXPECT_EQ(fx.messages.shown[0].title, "Netvik disabled");
    EXPECT_EQ(fx.messages.shown[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(fx.log.Entries(), (std::vector<std::string>{"Menu popup", "MessageBox Netvik disabled"}));
    EXPECT_EQ(fx.shell.Icon().hIcon, iconBefore.hIcon);
    EXPECT_EQ(Tip(), kDisabledTip);
    EXPECT_FALSE(fx.Timer.enabled);
}

TEST_F(TrayMenu, DisableShowsTheDisabledIconStopsTheTimerAndOffersEnable) {
    fx.Timer.enabled = true;
    Choose(mnoDisable);
    EXPECT_EQ(fx.shell.Icon().hIcon, PictureOf("d"));
    EXPECT_EQ(Tip(), kDisabledTip);
    EXPECT_FALSE(fx.Timer.enabled);
    EXPECT_EQ(fx.mnuPopup.captions[mnoDisable], "Enable");
    EXPECT_FALSE(form.State().CheckingEnabled);
    EXPECT_EQ(form.State().CheckingEnabled.Raw(), 0);
    EXPECT_EQ(fx.log.Count("WSAStartup"), 0);         // no check runs
    EXPECT_EQ(fx.log.Entries().back(), "Hide form");  // ends in the tray
    EXPECT_FALSE(form.IsShownInTaskList());
    EXPECT_FALSE(fx.form.visible);
}

TEST_F(TrayMenu, EnableRestartsTheTimerAndChecksAtOnce) {
    Choose(mnoDisable);
    fx.log.Clear();

    Choose(mnoDisable);

    EXPECT_TRUE(fx.Timer.enabled);
    EXPECT_EQ(fx.mnuPopup.captions[mnoDisable], "Disable");
    EXPECT_EQ(form.State().CheckingEnabled.Raw(), -1);
    EXPECT_EQ(form.State().MinutesLeft, 5);
    // The timer first, then a full check: "p" with its tip, then the verdict.
    const int timerOn = fx.log.Find("Timer on");
    const int checking = fx.log.Find("Shell Modify icon=" + std::to_string(PictureOf("p")));
    const int verdict = fx.log.Find("Shell Modify icon=" + std::to_string(PictureOf("IIP")) + " tip=Connected");
    ASSERT_GE(timerOn, 0);
    EXPECT_LT(timerOn, checking);
    EXPECT_LT(checking, verdict);
    EXPECT_GE(fx.log.Find("Shell Modify icon=" + std::to_string(PictureOf("p")) + " tip=Checking"), 0);
    EXPECT_EQ(Tip(), "Connected to the Internet.");
    EXPECT_EQ(fx.shell.icons.size(), 1U);
}

TEST_F(TrayMenu, SettingsOpensThePanelAsTheDoubleClickDoesExceptWhileTheMenusBoxIsUp) {
    fx.form.hook->Callback(0x203);
    const std::vector<std::string> doubleClick = fx.log.Entries();
    fx.form.state = platform::WindowState::Minimized;
    form.Form_Resize();  // back to the tray
    fx.log.Clear();

    Choose(mnoSettings);
    std::vector<std::string> settings = fx.log.Entries();
    ASSERT_EQ(settings.front(), "Menu popup");
    settings.erase(settings.begin());
    EXPECT_EQ(settings, doubleClick);
    EXPECT_TRUE(fx.form.visible);
    EXPECT_TRUE(form.IsShownInTaskList());

    // While the box that Refresh shows when checking is disabled is up, a
    // right-click choosing Settings... and a double-click are both dropped.
    fx.form.state = platform::WindowState::Minimized;
    form.Form_Resize();
    Choose(mnoDisable);
    fx.messages.whileShown = [&] {
        Choose(mnoSettings);
        fx.form.hook->Callback(0x203);
    };
    Choose(mnoRefresh);
    EXPECT_EQ(fx.messages.shown.size(), 1U);
    EXPECT_FALSE(fx.form.visible);
    EXPECT_TRUE(fx.shell.Shown());
    EXPECT_FALSE(form.IsShownInTaskList());
}

TEST_F(TrayMenu, HideAndADismissedMenuChangeNothing) {
    const auto before = fx.shell.Icon();
    Choose(mnoHide);
    fx.form.hook->Callback(0x205);  // the menu closed without a choice
    EXPECT_EQ(fx.log.Entries(), (std::vector<std::string>{"Menu popup", "Menu popup"}));
    EXPECT_EQ(fx.shell.Icon().hIcon, before.hIcon);
    EXPECT_EQ(form.State().MinutesLeft, 2);
}

TEST_F(TrayMenu, QuitRemovesTheIconBeforeTheProgramEnds) {
    EXPECT_THROW(Choose(mnoQuit), ProgramEnded);
    EXPECT_FALSE(fx.shell.Shown());
    EXPECT_LT(fx.log.Find("Shell Delete"), fx.log.Find("End"));
    EXPECT_EQ(fx.log.Count("WSACleanup"), 0);  // nothing else is released
}

TEST_F(TrayMenu, PanelQuitReleasesTheSocketsAndEnds) {
    fx.form.hook->Callback(0x203);  // the panel opens, starting the sockets library
    fx.log.Clear();
    EXPECT_THROW(form.cmdQuit_Click(), ProgramEnded);
    EXPECT_EQ(fx.log.Entries(), (std::vector<std::string>{"WSACleanup", "End"}));
    EXPECT_EQ(fx.sockets.references, 0);
}

TEST_F(TrayMenu, PanelQuitWithoutAStartedLibraryEndsSilently) {
    EXPECT_THROW(form.cmdQuit_Click(), ProgramEnded);
    EXPECT_TRUE(fx.messages.shown.empty());
    EXPECT_EQ(fx.log.Entries(), (std::vector<std::string>{"End"}));
}

// The record's group: a change of verdict is recorded and told in a balloon
// (none for the first verdict after the start), sleep and the end mark
// gaps, and Notify on change, on where nothing is stored, turns the
// balloons off and is kept beside the settings.
TEST(RecordMenu, AChangeIsRecordedAndToldUnlessNotifyOnChangeIsOff) {
    FakeSystem fx;
    frmNetvikmain form{fx.Services(), fx.Controls()};
    fx.StoreSettings("127.0.0.1", "127.0.0.2", "127.0.0.3");
    const auto internet = static_cast<std::uint32_t>(AddressToLong("127.0.0.1"));
    fx.icmp.Script(internet, {true});
    form.Form_Load();
    EXPECT_TRUE(fx.mnuPopup.checked[mnoNotify]);
    EXPECT_TRUE(fx.shell.balloons.empty());
    form.mnoRefresh_Click();  // nothing answers now
    ASSERT_EQ(fx.shell.balloons.size(), 1U);
    EXPECT_EQ(fx.shell.balloons[0].first, "Network error");

    fx.mnuPopup.choices.push_back(mnoNotify);
    fx.form.hook->Callback(0x205);
    EXPECT_FALSE(fx.mnuPopup.checked[mnoNotify]);
    EXPECT_EQ(fx.Stored("Notify"), "0");
    fx.icmp.Script(internet, {true});
    form.mnoRefresh_Click();
    EXPECT_EQ(fx.shell.balloons.size(), 1U);

    form.Form_Suspending();
    EXPECT_THROW(form.mnoQuit_Click(), ProgramEnded);
    std::vector<std::string> states;
    for (std::size_t at = fx.historyFile.current.find('\n'); at != std::string::npos;
         at = fx.historyFile.current.find('\n', at + 1)) {
        const std::size_t state = fx.historyFile.current.find(',', at) + 1;
        if (state != 0)
            states.push_back(fx.historyFile.current.substr(state, fx.historyFile.current.find(',', state) - state));
    }
    EXPECT_EQ(states, (std::vector<std::string>{"connected", "network-error", "connected", "asleep", "not-running"}));
}

TEST_F(TrayMenu, HistoryOpensOneWindowWhoseButtonsCopyTheReportAndOpenTheRecord) {
    fx.clock.now.utc += 3600;  // an hour after the start's check
    Choose(mnoHistory);
    ASSERT_NE(fx.history, nullptr);
    EXPECT_TRUE(fx.history->form.visible);
    EXPECT_EQ(fx.history->lblSummary.caption.rfind("Last 24 hours: watched 1 hour, connected 100%", 0), 0U);
    fx.history->cmdCopy.Click();
    EXPECT_EQ(fx.desktop.clipboard.rfind("Netvik: the Internet connection of this PC", 0), 0U);
    fx.desktop.opens = false;
    fx.history->cmdOpen.Click();
    EXPECT_EQ(fx.desktop.opened, (std::vector<std::string>{fx.historyFile.Path()}));
    EXPECT_EQ(fx.history->lblNotes.caption, "The record's file could not be opened.");
    fx.history->cmdClose.Click();
    EXPECT_FALSE(fx.history->form.visible);
    fx.form.hook->Callback(0x405);  // a click on a balloon
    EXPECT_TRUE(fx.history->form.visible);
    EXPECT_EQ(fx.historyLoaded, 1);
}

TEST_F(TrayMenu, AfterAResumeACheckRunsOnceTheNetworkHasHadItsMoment) {
    form.Form_Suspending();
    form.Form_Resumed();
    EXPECT_TRUE(fx.tmrResume.enabled);
    fx.icmp.statusOverride = fakes::FakeIcmp::kTimedOut;  // nothing answers any more
    fx.tmrResume.Tick();
    EXPECT_FALSE(fx.tmrResume.enabled);
    EXPECT_EQ(Tip(), "Network error. Check networkcard,\rcable, host, networksettings.");
    EXPECT_TRUE(fx.shell.balloons.empty());  // the first verdict of the new watched stretch
    EXPECT_EQ(form.State().MinutesLeft, 5);

    // Asleep again before it is due, or checking disabled: no check.
    form.Form_Resumed();
    form.Form_Suspending();
    EXPECT_FALSE(fx.tmrResume.enabled);
    Choose(mnoDisable);
    form.Form_Resumed();
    const std::size_t requests = fx.icmp.requests.size();
    fx.tmrResume.Tick();
    EXPECT_EQ(fx.icmp.requests.size(), requests);
}

TEST_F(TrayMenu, AnOpenHistoryWindowFollowsTheRecord) {
    Choose(mnoHistory);
    EXPECT_EQ(fx.history->lstOutages.rows, 0U);
    fx.icmp.statusOverride = fakes::FakeIcmp::kTimedOut;
    form.mnoRefresh_Click();
    ASSERT_EQ(fx.history->lstOutages.rows, 1U);
    EXPECT_EQ(fx.history->lstOutages.Row(0)[1], "still down");
}

}  // namespace
}  // namespace netvik
