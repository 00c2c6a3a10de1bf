#include <gtest/gtest.h>

#include "fakes/FakeSystem.h"
#include "net/AddressText.h"
#include "settings/RefreshRateText.h"
#include "settings/SettingsStore.h"

namespace netvik {
namespace {

using fakes::FakeSystem;
using fakes::ProgramEnded;

constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

TEST(StoredRefreshRate, NumbersGoToTheNearestMinuteFromOneToFifteen) {
    struct Case {
        const char* text;
        std::int32_t minutes;
    };
    for (const Case c :
         {Case{"5", 5}, Case{"15", 15}, Case{" 7 ", 7}, Case{"0", 1}, Case{"-3", 1}, Case{"16", 15},
          Case{"99999999999999999999", 15}, Case{"7.5", 8}, Case{"6.5", 6}, Case{"1e1", 10}, Case{"", 1},
          Case{"abc", 1}, Case{"7abc", 1}, Case{"nan", 1}, Case{"inf", 15}, Case{"-inf", 1}, Case{"\t", 1}}) {
        EXPECT_EQ(RefreshRateFromText(c.text), c.minutes) << '"' << c.text << '"';
    }
}

TEST(StoredStartupChoice, OnlyOneChecksTheBox) {
    EXPECT_EQ(LoadAtStartupFromText("1"), 1);
    for (const char* text : {"0", "", "2", "yes", " 1", "1 ", "01", "-1"}) {
        EXPECT_EQ(LoadAtStartupFromText(text), 0) << '"' << text << '"';
    }
}

TEST(LogonEntry, IsTheProgramsPathQuotedWhenItHoldsABlank) {
    EXPECT_EQ(LogonCommand(std::string("C:\\Tools\\Netvik.exe")), "C:\\Tools\\Netvik.exe");
    EXPECT_EQ(LogonCommand(std::string("C:\\Program Files\\Netvik\\Netvik.exe")),
              "\"C:\\Program Files\\Netvik\\Netvik.exe\"");
    EXPECT_EQ(LogonCommand(std::u16string(u"C:\\\u03a9mega 2\\Netvik.exe")), u"\"C:\\\u03a9mega 2\\Netvik.exe\"");
}

// The panel open over stored settings, as after a double-click on the icon.
class Persistence : public ::testing::Test {
protected:
    Persistence() {
        fx.StoreSettings("127.0.0.1", "127.0.0.2", "127.0.0.3", "4", "www.example.org", "0");
        fx.icmp.AlwaysAnswer(static_cast<std::uint32_t>(AddressToLong("127.0.0.1")));
        form.Form_Load();
        fx.form.hook->Callback(0x203);
        writesAtStart = fx.registryStore.writes;
        fx.log.Clear();
    }
    int Writes() const { return fx.registryStore.writes - writesAtStart; }
    std::string RunEntry() const {
        const auto* value = fx.registryStore.Find(kRun, "Netvik");
        return value == nullptr ? "<missing>" : value->bytes;
    }

    FakeSystem fx;
    frmNetvikmain form{fx.Services(), fx.Controls()};
    int writesAtStart = 0;
};

TEST_F(Persistence, SaveThenOkWritesAllSixValuesAndTheLogonEntry) {
    fx.txtIIP.SetText("10.0.0.9");
    fx.sldRefresh.SetValue(12);
    fx.chkStartup.SetValue(1);
    form.cmdSave_Click();
    form.cmdOK_Click();
    EXPECT_EQ(fx.Stored("Internet"), "10.0.0.9");
    EXPECT_EQ(fx.Stored("Host"), "127.0.0.2");
    EXPECT_EQ(fx.Stored("Computer"), "127.0.0.3");
    EXPECT_EQ(fx.Stored("RefreshRate"), "12");
    EXPECT_EQ(fx.Stored("HostName"), "www.example.org");
    EXPECT_EQ(fx.Stored("LoadatStartup"), "1");
    EXPECT_EQ(fx.registryStore.Find("Software\\Netvik", "Internet")->type, platform::kRegSz);
    EXPECT_EQ(RunEntry(), "\"C:\\Program Files\\Netvik\\Netvik.exe\"");
    EXPECT_EQ(form.State().LoadAtStartup, 1);
    EXPECT_FALSE(form.State().SaveRequested);
    EXPECT_TRUE(fx.messages.shown.empty());
}

TEST_F(Persistence, OkWithoutSaveWritesNothing) {
    fx.txtIIP.SetText("10.0.0.9");
    fx.chkStartup.SetValue(1);
    form.cmdOK_Click();
    EXPECT_EQ(Writes(), 0);
    EXPECT_EQ(form.State().LoadAtStartup, 0);
    EXPECT_EQ(form.State().AddressTexts[Internet], "10.0.0.9");  // in force all the same
}

TEST_F(Persistence, SaveThenRestoreThenOkWritesNothing) {
    form.cmdSave_Click();
    form.cmdRestore_Click();
    form.cmdOK_Click();
    EXPECT_EQ(Writes(), 0);
}

TEST_F(Persistence, UncheckingRemovesTheLogonEntryOnce) {
    fx.chkStartup.SetValue(1);
    form.cmdSave_Click();
    form.cmdOK_Click();
    ASSERT_NE(RunEntry(), "<missing>");
    fx.form.hook->Callback(0x203);
    fx.chkStartup.SetValue(0);
    form.cmdSave_Click();
    form.cmdOK_Click();
    EXPECT_EQ(RunEntry(), "<missing>");
    EXPECT_EQ(form.State().LoadAtStartup, 0);
    EXPECT_EQ(fx.Stored("LoadatStartup"), "0");
}

TEST_F(Persistence, RemovingAnEntryThatIsAlreadyGoneCountsAsDone) {
    fx.chkStartup.SetValue(1);
    form.cmdSave_Click();
    form.cmdOK_Click();
    fx.registryStore.RemoveKey(kRun);
    fx.form.hook->Callback(0x203);
    fx.chkStartup.SetValue(0);
    form.cmdSave_Click();
    form.cmdOK_Click();
    EXPECT_EQ(form.State().LoadAtStartup, 0);
    EXPECT_TRUE(fx.messages.shown.empty());
}

TEST_F(Persistence, AWriteBothPlacesRefuseIsReportedOnceAndTheChoiceStays) {
    fx.registryStore.DenyWritesUnder("Software");
    fx.registryStore.DenyWritesUnder("Software", platform::kCurrentUser);
    fx.chkStartup.SetValue(1);
    fx.txtHIP.SetText("10.1.1.1");
    form.cmdSave_Click();
    form.cmdOK_Click();
    ASSERT_EQ(fx.messages.shown.size(), 1U);
    EXPECT_EQ(fx.messages.shown[0].title, "Error");
    EXPECT_EQ(fx.messages.shown[0].icon, platform::MessageIcon::Error);
    EXPECT_EQ(fx.messages.shown[0].text,
              "The settings could not be saved: the registry refused the change (error 5).\rThey stay in force "
              "until Netvik ends.");
    EXPECT_EQ(form.State().LoadAtStartup, 0);
    EXPECT_EQ(fx.Stored("Host"), "127.0.0.2");  // the old settings are kept
    // Everything else of Ok went on: the new address is in force, Save enabled.
    EXPECT_EQ(form.State().AddressTexts[Host], "10.1.1.1");
    EXPECT_TRUE(fx.cmdSave.enabled);
    EXPECT_FALSE(fx.form.visible);
}

TEST_F(Persistence, ALogonEntryBothPlacesRefuseIsReportedAndTheChoiceStays) {
    fx.registryStore.DenyWritesUnder(kRun);
    fx.registryStore.DenyWritesUnder(kRun, platform::kCurrentUser);
    fx.chkStartup.SetValue(1);
    form.cmdSave_Click();
    form.cmdOK_Click();
    EXPECT_EQ(fx.messages.shown.size(), 1U);
    EXPECT_EQ(fx.Stored("LoadatStartup"), "1");
    EXPECT_EQ(form.State().LoadAtStartup, 0);
    // The next Save and Ok tries again.
    fx.form.hook->Callback(0x203);
    form.cmdSave_Click();
    form.cmdOK_Click();
    EXPECT_EQ(fx.messages.shown.size(), 2U);
}

// Where HKEY_LOCAL_MACHINE refuses an ordinary user's writes, the settings
// and the logon entry go to HKEY_CURRENT_USER, and come back from there.
TEST_F(Persistence, AMachineThatRefusesKeepsTheUsersSettingsAndLogonEntry) {
    fx.registryStore.DenyWritesUnder("Software");
    fx.txtHIP.SetText("10.1.1.1");
    fx.sldRefresh.SetValue(7);
    fx.chkStartup.SetValue(1);
    form.cmdSave_Click();
    form.cmdOK_Click();
    EXPECT_TRUE(fx.messages.shown.empty());
    EXPECT_EQ(fx.Stored("Host"), "127.0.0.2");  // the machine's, untouched
    const auto* host = fx.registryStore.Find("Software\\Netvik", "Host", platform::kCurrentUser);
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->bytes, "10.1.1.1");
    EXPECT_EQ(RunEntry(), "<missing>");
    ASSERT_NE(fx.registryStore.Find(kRun, "Netvik", platform::kCurrentUser), nullptr);
    EXPECT_EQ(form.State().LoadAtStartup, 1);

    FakeSystem restart;  // the next start reads them back
    restart.registryStore = fx.registryStore;
    frmNetvikmain again{restart.Services(), restart.Controls()};
    again.Form_Load();
    EXPECT_EQ(again.State().AddressTexts[Host], "10.1.1.1");
    EXPECT_EQ(again.State().RefreshMinutes, 7);
    EXPECT_EQ(restart.chkStartup.value, 1);

    fx.form.hook->Callback(0x203);  // unticked: the user's entry goes
    fx.chkStartup.SetValue(0);
    form.cmdSave_Click();
    form.cmdOK_Click();
    EXPECT_EQ(fx.registryStore.Find(kRun, "Netvik", platform::kCurrentUser), nullptr);
    EXPECT_EQ(form.State().LoadAtStartup, 0);
}

TEST_F(Persistence, TheUsersNewerSettingsWinOverTheMachinesOlderOnes) {
    fx.registryStore.Put("Software\\Netvik", "Internet", platform::kRegSz, "10.0.0.1", platform::kCurrentUser);
    fx.registryStore.Put("Software\\Netvik", "Host", platform::kRegSz, "10.0.0.2", platform::kCurrentUser);
    fx.registryStore.Put("Software\\Netvik", "Computer", platform::kRegSz, "10.0.0.3", platform::kCurrentUser);
    form.cmdRestore_Click();
    EXPECT_EQ(fx.txtIIP.text, "10.0.0.1");
    EXPECT_EQ(fx.txtHIP.text, "10.0.0.2");
    // Saved for the machine later, the machine's settings are the newer.
    form.cmdSave_Click();
    form.cmdOK_Click();
    fx.txtIIP.SetText("");
    form.cmdRestore_Click();
    EXPECT_EQ(fx.txtIIP.text, "10.0.0.1");
    EXPECT_EQ(fx.Stored("Internet"), "10.0.0.1");
    EXPECT_EQ(fx.registryStore.Find("Software\\Netvik", "Internet", platform::kCurrentUser), nullptr);
}

// Writes and removals that fail with codes outside the registry layer's
// table: each is reported, and the applied choice follows the registry.
class UnknownFailures : public Persistence, public ::testing::WithParamInterface<std::int32_t> {
protected:
    std::string Reported() const {
        return "The settings could not be saved: the registry refused the change (error " + std::to_string(GetParam()) +
               ").\rThey stay in force until Netvik ends.";
    }
};

TEST_P(UnknownFailures, AFailedSettingsWriteIsReported) {
    fx.registryStore.FailValueChangesUnder("Software\\Netvik", GetParam());
    fx.txtHIP.SetText("10.1.1.1");
    form.cmdSave_Click();
    form.cmdOK_Click();
    ASSERT_EQ(fx.messages.shown.size(), 1U);
    EXPECT_EQ(fx.messages.shown[0].text, Reported());
    EXPECT_EQ(fx.Stored("Host"), "127.0.0.2");
}

TEST_P(UnknownFailures, AFailedLogonEntryLeavesTheBoxUntickedInForce) {
    fx.registryStore.FailValueChangesUnder(kRun, GetParam());
    fx.chkStartup.SetValue(1);
    form.cmdSave_Click();
    form.cmdOK_Click();
    ASSERT_EQ(fx.messages.shown.size(), 1U);
    EXPECT_EQ(fx.messages.shown[0].text, Reported());
    EXPECT_EQ(RunEntry(), "<missing>");
    EXPECT_EQ(form.State().LoadAtStartup, 0);
}

TEST_P(UnknownFailures, AFailedRemovalLeavesTheEntryAndTheChoiceInForce) {
    fx.chkStartup.SetValue(1);
    form.cmdSave_Click();
    form.cmdOK_Click();
    fx.registryStore.FailValueChangesUnder(kRun, GetParam());
    fx.form.hook->Callback(0x203);
    fx.chkStartup.SetValue(0);
    form.cmdSave_Click();
    form.cmdOK_Click();
    ASSERT_EQ(fx.messages.shown.size(), 1U);
    EXPECT_EQ(fx.messages.shown[0].text, Reported());
    EXPECT_NE(RunEntry(), "<missing>");
    EXPECT_EQ(form.State().LoadAtStartup, 1);
}

INSTANTIATE_TEST_SUITE_P(CodesTheLayerHasNoNameFor, UnknownFailures, ::testing::Values(1013, 1016, 14, 1018));

TEST_F(Persistence, AProgramFolderOutsideTheAnsiCodePageIsWrittenInUtf16) {
    fx.application.executablePath = {"", u"C:\\\u03a9mega\\Netvik.exe", 0};
    fx.chkStartup.SetValue(1);
    form.cmdSave_Click();
    form.cmdOK_Click();
    std::u16string stored;  // the value's UTF-16LE bytes
    const std::string bytes = RunEntry();
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        stored.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | bytes[i + 1] << 8));
    }
    EXPECT_EQ(stored, std::u16string(u"C:\\\u03a9mega\\Netvik.exe", 20));  // with its NUL
    EXPECT_EQ(form.State().LoadAtStartup, 1);
    EXPECT_TRUE(fx.messages.shown.empty());
}

TEST_F(Persistence, AProgramPathThatCannotBeHadIsReportedAndNoEntryWritten) {
    fx.application.executablePath = {"", u"", 122};
    fx.chkStartup.SetValue(1);
    form.cmdSave_Click();
    form.cmdOK_Click();
    EXPECT_EQ(RunEntry(), "<missing>");
    EXPECT_EQ(form.State().LoadAtStartup, 0);
    ASSERT_EQ(fx.messages.shown.size(), 1U);
    EXPECT_NE(fx.messages.shown[0].text.find("(error 122)"), std::string::npos);
}

TEST_F(Persistence, RestoreShowsTheStoredRefreshRateInTheCaption) {
    fx.StoreSetting("RefreshRate", "9");
    form.cmdRestore_Click();
    EXPECT_EQ(fx.sldRefresh.value, 9);
    EXPECT_EQ(fx.lblRefreshRate.caption, "Refreshrate (minutes): 9");
}

TEST_F(Persistence, RestoreWithNothingStoredKeepsTheOtherControls) {
    fx.registryStore.RemoveKey("Software\\Netvik");
    fx.lblRefreshRate.caption = "unchanged";
    fx.txtHIP.SetText("10.9.9.9");
    fx.txtIIP.SetText("10.8.8.8");
    form.cmdRestore_Click();
    ASSERT_EQ(fx.messages.shown.size(), 1U);
    EXPECT_EQ(fx.messages.shown[0].text, "Using default settings.");
    EXPECT_EQ(fx.messages.shown[0].title, "No IP-addresses found");
    EXPECT_EQ(fx.messages.shown[0].icon, platform::MessageIcon::Information);
    EXPECT_EQ(fx.txtIIP.text, "127.0.0.1");  // the address in force
    EXPECT_EQ(fx.txtHIP.text, "10.9.9.9");
    EXPECT_EQ(fx.lblRefreshRate.caption, "unchanged");
    EXPECT_EQ(form.State().SiteHostName, "www.wikipedia.org");
}

TEST_F(Persistence, RestoreSurvivesEveryStrangeStoredValue) {
    fx.StoreSetting("RefreshRate", "lots");
    fx.StoreSetting("LoadatStartup", "2");
    fx.StoreSetting("Host", std::string(100000, '9'));
    fx.registryStore.Put("Software\\Netvik", "Computer", 4, "\x01\x00\x00\x00");  // a DWORD
    form.cmdRestore_Click();
    EXPECT_EQ(fx.sldRefresh.value, 1);
    EXPECT_EQ(fx.chkStartup.value, 0);
    EXPECT_EQ(fx.txtHIP.text, "999999999999...");
    EXPECT_EQ(fx.txtCIP.text, "");
    form.cmdOK_Click();  // refused: the panel comes back
    EXPECT_TRUE(fx.form.visible);
}

TEST_F(Persistence, AStoredAddressLongerThanItsBoxNeverEntersWholeAndIsInvalid) {
    fx.StoreSetting("Internet", std::string(1000000, '7'));
    fx.StoreSetting("Computer", "192.168.000.0019");  // its first 15 characters form an address
    form.cmdRestore_Click();
    EXPECT_EQ(fx.txtIIP.text, "777777777777...");
    EXPECT_EQ(fx.txtCIP.text, "192.168.000....");
    form.cmdOK_Click();
    EXPECT_EQ(form.State().ProbeAddresses[Internet], 0);
    EXPECT_EQ(form.State().ProbeAddresses[Computer], 0);
    EXPECT_TRUE(fx.form.visible);  // refused: the panel is back
}

TEST_F(Persistence, CancelPutsBackWhatIsInForceAndRestartsTheCountdown) {
    form.State().MinutesLeft = 2;
    fx.txtIIP.SetText("9.9.9.9");
    fx.txtHIP.SetText("9.9.9.8");
    fx.txtCIP.SetText("9.9.9.7");
    fx.sldRefresh.SetValue(11);
    fx.chkStartup.SetValue(1);
    form.State().SiteHostName = "other.example";
    form.cmdSave_Click();
    form.cmdCancel_Click();
    EXPECT_EQ(fx.txtIIP.text, "127.0.0.1");
    EXPECT_EQ(fx.txtHIP.text, "127.0.0.2");
    EXPECT_EQ(fx.txtCIP.text, "127.0.0.3");
    EXPECT_EQ(fx.sldRefresh.value, 4);
    EXPECT_EQ(fx.chkStartup.value, 0);
    EXPECT_EQ(form.State().SiteHostName, "www.example.org");
    EXPECT_EQ(form.State().MinutesLeft, 4);
    EXPECT_FALSE(form.State().SaveRequested);
    EXPECT_TRUE(fx.Timer.enabled);
    EXPECT_FALSE(fx.form.visible);
    EXPECT_EQ(fx.log.Count("WSAStartup"), 1);  // the check
    EXPECT_EQ(fx.sockets.references, 0);       // and the panel's start-up released
    EXPECT_EQ(Writes(), 0);
}

TEST_F(Persistence, OkWhileDisabledGoesToTheTrayWithoutACheck) {
    fx.form.hook->Callback(0x205);  // (no menu choice)
    fx.mnuPopup.choices.push_back(mnoDisable);
    fx.form.hook->Callback(0x205);
    fx.form.hook->Callback(0x203);
    fx.log.Clear();
    form.cmdOK_Click();
    EXPECT_EQ(fx.log.Count("WSAStartup"), 0);
    EXPECT_FALSE(fx.Timer.enabled);
    EXPECT_TRUE(fx.shell.Shown());
    EXPECT_FALSE(fx.form.visible);
}

TEST_F(Persistence, ARefusedOkThenCancelProbesTheRefusedNumbers) {
    fx.txtHIP.SetText("300.1.1.1");
    form.cmdOK_Click();
    form.cmdCancel_Click();
    EXPECT_EQ(fx.txtHIP.text, "127.0.0.2");
    EXPECT_EQ(form.State().ProbeAddresses[Host], 0);
    EXPECT_EQ(form.State().ProbeAddresses[Internet], AddressToLong("127.0.0.1"));
    EXPECT_FALSE(fx.cmdSave.enabled);  // until an Ok succeeds
}

TEST_F(Persistence, AGoodOkAfterARefusedOneEnablesSaveAgain) {
    fx.txtHIP.SetText("300.1.1.1");
    fx.cmdOK.Click();
    ASSERT_FALSE(fx.cmdSave.enabled);
    fx.txtHIP.SetText("127.0.0.2");
    fx.cmdOK.Click();
    EXPECT_TRUE(fx.cmdSave.enabled);
    EXPECT_FALSE(fx.form.visible);
}

TEST_F(Persistence, OkAppliesTheAddressesAndTheRate) {
    fx.txtCIP.SetText("010.000.000.005");
    fx.sldRefresh.SetValue(3);
    form.State().SiteHostName = "www.example.net";
    form.cmdOK_Click();
    EXPECT_EQ(form.State().ProbeAddresses[Computer], AddressToLong("10.0.0.5"));
    EXPECT_EQ(form.State().AddressTexts[Computer], "010.000.000.005");
    EXPECT_EQ(form.State().RefreshMinutes, 3);
    EXPECT_EQ(form.State().MinutesLeft, 3);
    EXPECT_EQ(form.State().AppliedSiteHostName, "www.example.net");
    EXPECT_TRUE(fx.Timer.enabled);
}

}  // namespace
}  // namespace netvik
