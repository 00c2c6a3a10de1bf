#include <gtest/gtest.h>

#include "fakes/FakeSystem.h"
#include "net/AddressText.h"

namespace netvik {
namespace {

using fakes::FakeShell;
using fakes::FakeSystem;
using fakes::PictureOf;
using fakes::ProgramEnded;

class Lifecycle : public ::testing::Test {
protected:
    FakeSystem fx;
    frmNetvikmain form{fx.Services(), fx.Controls()};
};

TEST_F(Lifecycle, ASecondInstanceEndsAtOnceAndSilently) {
    fx.application.AnotherInstance();
    fx.StoreSettings("127.0.0.1", "127.0.0.2", "127.0.0.3");
    EXPECT_THROW(form.Form_Load(), ProgramEnded);
    EXPECT_EQ(fx.log.Entries(), (std::vector<std::string>{"End"}));
    EXPECT_TRUE(fx.shell.calls.empty());
    EXPECT_EQ(fx.form.hook, nullptr);
}

// A mark there already, or one that cannot be made, may be a foreign
// program's: the running program's window decides.
TEST(SingleInstance, AForeignMarkNeitherLetsASecondInstanceRunNorStopsTheFirst) {
    for (const auto mark : {platform::InstanceMark::Held, platform::InstanceMark::Unusable}) {
        for (const bool otherWindow : {false, true}) {
            FakeSystem fx;
            frmNetvikmain form{fx.Services(), fx.Controls()};
            fx.application.mark = mark;
            fx.application.otherWindow = otherWindow;
            bool ended = false;
            try {
                form.Form_Load();
            } catch (const ProgramEnded&) {
                ended = true;
            }
            EXPECT_EQ(ended, otherWindow) << static_cast<int>(mark);
        }
    }
}

TEST_F(Lifecycle, FirstStartOpensThePanelWithTheDefaultsAndNoIcon) {
    form.Form_Load();
    ASSERT_EQ(fx.messages.shown.size(), 1U);
    EXPECT_EQ(fx.messages.shown[0].text, "Using default settings.");
    EXPECT_EQ(fx.messages.shown[0].title, "No IP-addresses found");
    EXPECT_TRUE(fx.form.visible);
    EXPECT_FALSE(fx.Timer.enabled);
    EXPECT_TRUE(fx.shell.calls.empty());
    EXPECT_EQ(fx.log.Count("WSAStartup"), 0);
    const auto& state = form.State();
    EXPECT_EQ(state.AddressTexts[Internet], "1.1.1.1");
    EXPECT_EQ(state.AddressTexts[Host], "192.168.0.1");
    EXPECT_EQ(state.AddressTexts[Computer], "192.168.0.2");
    EXPECT_EQ(state.RefreshMinutes, 1);
    EXPECT_EQ(fx.lblRefreshRate.caption, "Refreshrate (minutes): 1");
    EXPECT_EQ(state.MinutesLeft, 0);
    EXPECT_EQ(state.SiteHostName, "www.wikipedia.org");
    EXPECT_EQ(state.CheckingEnabled.Raw(), -1);
    EXPECT_EQ(state.VerdictTips[Host], "No Internet connection,\rcheck the internetsettings.");
}

TEST_F(Lifecycle, FirstRunThenOkGoesToTheTrayAndItsReleaseIsSilent) {
    form.Form_Load();
    fx.messages.shown.clear();
    fx.txtIIP.SetText("127.0.0.1");
    form.cmdOK_Click();
    EXPECT_TRUE(fx.shell.Shown());
    EXPECT_FALSE(fx.form.visible);
    EXPECT_TRUE(fx.messages.shown.empty());
    EXPECT_FALSE(fx.application.ended);
}

TEST_F(Lifecycle, FirstStartThenMinimisingShowsTheProgramsIconWithItsName) {
    form.Form_Load();
    fx.form.state = platform::WindowState::Minimized;
    form.Form_Resize();
    ASSERT_TRUE(fx.shell.Shown());
    EXPECT_EQ(fx.shell.Icon().hIcon, fakes::FakePictures::kProgram);
    EXPECT_EQ(FakeShell::TipOf(fx.shell.Icon()), "Netvik");
    EXPECT_FALSE(fx.Timer.enabled);  // minimising starts no countdown
    fx.form.hook->Callback(0x203);   // the user finds it and double-clicks
    EXPECT_TRUE(fx.form.visible);
}

TEST_F(Lifecycle, FirstStartThenCancelKeepsTheDefaultSiteInForce) {
    form.Form_Load();
    form.cmdCancel_Click();
    EXPECT_EQ(form.State().SiteHostName, "www.wikipedia.org");
    fx.form.hook->Callback(0x203);
    form.cmdSave_Click();
    form.cmdOK_Click();
    EXPECT_EQ(fx.Stored("HostName"), "www.wikipedia.org");
}

TEST_F(Lifecycle, NormalStartChecksFromTheTrayAndWritesNothing) {
    fx.StoreSettings("127.0.0.1", "127.0.0.2", "127.0.0.3", "6");
    fx.icmp.AlwaysAnswer(static_cast<std::uint32_t>(AddressToLong("127.0.0.2")));
    fx.form.visible = true;
    form.Form_Load();
    EXPECT_FALSE(fx.form.visible);
    EXPECT_TRUE(fx.Timer.enabled);
    EXPECT_EQ(fx.registryStore.writes, 0);
    EXPECT_TRUE(fx.messages.shown.empty());
    // The icon went up with "checking" first, then the verdict.
    EXPECT_EQ(fx.shell.calls.front().message, platform::NotifyMessage::Modify);
    EXPECT_EQ(fx.shell.calls[1].message, platform::NotifyMessage::Add);
    EXPECT_EQ(fx.shell.calls[1].record.hIcon, PictureOf("p"));
    EXPECT_EQ(fx.shell.Icon().hIcon, PictureOf("HIP"));
    EXPECT_EQ(FakeShell::TipOf(fx.shell.Icon()), "No Internet connection,\rcheck the internetsettings.");
    EXPECT_EQ(form.State().RefreshMinutes, 6);
    EXPECT_EQ(form.State().MinutesLeft, 6);
    EXPECT_EQ(fx.lblRefreshRate.caption, "Refreshrate (minutes): 6");
}

TEST_F(Lifecycle, MissingStartupChoiceTakesTheFirstRunPathWithoutAMessage) {
    fx.StoreSettings("127.0.0.1", "127.0.0.2", "127.0.0.3", "6");
    fx.registryStore.Put("Software\\Netvik", "LoadatStartup", 0, "");
    fx.registryStore.RemoveKey("Software\\Netvik");
    fx.StoreSetting("Internet", "127.0.0.1");
    form.Form_Load();
    EXPECT_TRUE(fx.messages.shown.empty());
    EXPECT_TRUE(fx.form.visible);
    EXPECT_FALSE(fx.Timer.enabled);
}

TEST_F(Lifecycle, AnInvalidStoredAddressBringsTheErrorAndThePanel) {
    fx.StoreSettings("127.0.0.1", "not an address", "127.0.0.3");
    form.Form_Load();
    ASSERT_EQ(fx.messages.shown.size(), 1U);
    EXPECT_EQ(fx.messages.shown[0].title, "Error");
    EXPECT_TRUE(fx.form.visible);
    EXPECT_FALSE(fx.Timer.enabled);
    EXPECT_FALSE(fx.shell.Shown());
}

TEST_F(Lifecycle, GarbageInEveryValueStillStartsTheProgram) {
    fx.StoreSettings(std::string(5000, '.'), "\x01\x02", "", "-99999999999999999999", std::string(70000, 'x'), "maybe");
    EXPECT_NO_THROW(form.Form_Load());
    EXPECT_TRUE(fx.form.visible);  // the addresses are refused; the panel shows them
    EXPECT_EQ(fx.sldRefresh.value, 1);
    EXPECT_EQ(fx.chkStartup.value, 0);
}

class OpenPanel : public Lifecycle {
protected:
    OpenPanel() {
        fx.StoreSettings("127.0.0.1", "127.0.0.2", "127.0.0.3");
        form.Form_Load();
        fx.form.hook->Callback(0x203);
        fx.log.Clear();
    }
};

TEST_F(OpenPanel, MinimisingSendsItToTheTrayAndLeavesTheCountdownStopped) {
    fx.form.state = platform::WindowState::Minimized;
    form.Form_Resize();
    EXPECT_TRUE(fx.shell.Shown());
    EXPECT_FALSE(fx.form.visible);
    EXPECT_FALSE(form.IsShownInTaskList());
    EXPECT_FALSE(fx.Timer.enabled);
}

TEST_F(OpenPanel, RestoringAndMinimisingPairTheSocketsLibrarysStartsAndEnds) {
    for (int i = 0; i < 30; ++i) {
        fx.form.state = platform::WindowState::Minimized;
        form.Form_Resize();
        fx.form.hook->Callback(0x203);
    }
    fx.form.state = platform::WindowState::Minimized;
    form.Form_Resize();
    EXPECT_EQ(fx.sockets.references, 0);
}

TEST_F(OpenPanel, OtherSizeChangesKeepThePanelShownAndAHiddenWindowHidden) {
    fx.form.state = platform::WindowState::Maximized;
    form.Form_Resize();
    EXPECT_TRUE(fx.form.visible);
    EXPECT_FALSE(fx.shell.Shown());
    form.cmdCancel_Click();  // back to the tray
    fx.form.state = platform::WindowState::Normal;
    form.Form_Resize();
    EXPECT_FALSE(fx.form.visible);
}

TEST_F(OpenPanel, EveryEventOfTheControlsReachesItsHandler) {
    std::int16_t key = 'a';
    for (fakes::FakeTextBox* box : {&fx.txtIIP, &fx.txtHIP, &fx.txtCIP}) {
        box->KeyPress(key);
        EXPECT_EQ(key, 0);
    }
    fx.sldRefresh.value = 7;
    fx.sldRefresh.Scroll();
    EXPECT_EQ(fx.lblRefreshRate.caption, "Refreshrate (minutes): 7");
    fx.cmdSave.Click();
    EXPECT_TRUE(form.State().SaveRequested);
    fx.cmdRestore.Click();
    EXPECT_FALSE(form.State().SaveRequested);
    EXPECT_EQ(fx.sldRefresh.value, 1);
    fx.cmdCancel.Click();
    EXPECT_FALSE(fx.form.visible);
    form.State().MinutesLeft = 3;
    fx.Timer.Tick();
    EXPECT_EQ(form.State().MinutesLeft, 2);
    fx.form.hook->Callback(0x203);
    fx.cmdOK.Click();
    EXPECT_FALSE(fx.form.visible);
    fx.form.hook->Callback(0x203);
    fx.form.state = platform::WindowState::Minimized;
    fx.form.Resize();
    EXPECT_TRUE(fx.shell.Shown());
    EXPECT_THROW(fx.form.QueryUnload(), ProgramEnded);
    EXPECT_THROW(fx.cmdQuit.Click(), ProgramEnded);
}

TEST_F(Lifecycle, NoEventReachesTheWindowAfterItIsGone) {
    { frmNetvikmain other{fx.Services(), fx.Controls()}; }
    EXPECT_FALSE(fx.cmdOK.Click);
    EXPECT_FALSE(fx.Timer.Tick);
    EXPECT_FALSE(fx.txtIIP.KeyPress);
    EXPECT_FALSE(fx.form.QueryUnload);
}

TEST_F(OpenPanel, TheCloseBoxReleasesTheSocketsAndEnds) {
    EXPECT_THROW(form.Form_QueryUnload(), ProgramEnded);
    EXPECT_EQ(fx.log.Entries(), (std::vector<std::string>{"WSACleanup", "End"}));
}

TEST_F(Lifecycle, ClosingWhileHiddenRemovesTheIconWithoutARelease) {
    fx.StoreSettings("127.0.0.1", "127.0.0.2", "127.0.0.3");
    form.Form_Load();
    fx.log.Clear();
    EXPECT_THROW(form.Form_QueryUnload(), ProgramEnded);
    EXPECT_EQ(fx.log.Entries(), (std::vector<std::string>{"Shell Delete", "End"}));
    EXPECT_FALSE(fx.shell.Shown());
}

TEST_F(Lifecycle, AFirstStartShowsALogonEntryThatIsThereAndUntickingRemovesIt) {
    fx.registryStore.Put("Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Netvik", platform::kRegSz,
                         "C:\\Netvik\\Netvik.exe", platform::kCurrentUser);
    form.Form_Load();
    EXPECT_EQ(fx.chkStartup.value, 1);
    EXPECT_EQ(form.State().LoadAtStartup, 1);
    fx.chkStartup.SetValue(0);
    form.cmdSave_Click();
    form.cmdOK_Click();
    EXPECT_EQ(
        fx.registryStore.Find("Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Netvik", platform::kCurrentUser),
        nullptr);
}

}  // namespace
}  // namespace netvik
