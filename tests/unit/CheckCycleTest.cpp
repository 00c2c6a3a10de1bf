#include <gtest/gtest.h>

#include "fakes/FakeSystem.h"
#include "net/AddressText.h"

namespace netvik {
namespace {

using fakes::FakeShell;
using fakes::FakeSystem;
using fakes::PictureOf;

constexpr char kNetworkErrorTip[] = "Network error. Check networkcard,\rcable, host, networksettings.";

class CheckCycleTest : public ::testing::Test {
protected:
    CheckCycleTest() {
        fx.StoreSettings("127.0.0.1", "127.0.0.2", "127.0.0.3");
        form.Form_Load();
        auto& state = form.State();
        state.ProbeAddresses = {internet, host, computer};
        state.RefreshMinutes = 1;
        state.MinutesLeft = 1;
        fx.log.Clear();
        fx.icmp.requests.clear();
    }

    // One due tick runs one check cycle.
    void RunCycle() {
        form.State().MinutesLeft = 1;
        form.Timer_Timer();
    }
    std::vector<std::uint32_t> Destinations() const {
        std::vector<std::uint32_t> result;
        for (const auto& r : fx.icmp.requests) result.push_back(r.destination);
        return result;
    }
    std::vector<std::uint32_t> Timeouts() const {
        std::vector<std::uint32_t> result;
        for (const auto& r : fx.icmp.requests) result.push_back(r.timeout);
        return result;
    }
    std::string Tip() const { return FakeShell::TipOf(fx.shell.Icon()); }

    FakeSystem fx;
    frmNetvikmain form{fx.Services(), fx.Controls()};
    const std::int32_t internet = AddressToLong("127.0.0.1");
    const std::int32_t host = AddressToLong("127.0.0.2");
    const std::int32_t computer = AddressToLong("127.0.0.3");
    const std::uint32_t I = static_cast<std::uint32_t>(internet);
    const std::uint32_t H = static_cast<std::uint32_t>(host);
    const std::uint32_t C = static_cast<std::uint32_t>(computer);
};

TEST_F(CheckCycleTest, ShowsCheckingInTheTrayBeforeTheFirstProbe) {
    fx.form.visible = true;
    RunCycle();
    const auto& log = fx.log.Entries();
    ASSERT_GE(log.size(), 5U);
    EXPECT_EQ(log[0].rfind("Shell Modify icon=" + std::to_string(PictureOf("p")) + " tip=", 0), 0U);
    EXPECT_EQ(log[1], "Shell Add");
    EXPECT_EQ(log[2], "Hide form");
    EXPECT_FALSE(form.IsShownInTaskList());
    EXPECT_EQ(log[3], "Shell Modify icon=" + std::to_string(PictureOf("p")) + " tip=Checking internet connection...");
    EXPECT_EQ(log[4], "WSAStartup");
    EXPECT_EQ(fx.shell.calls[1].record.hIcon, PictureOf("p"));  // the add carried the checking picture
}

TEST_F(CheckCycleTest, AnAnswerSetsIconAndTipBeforeTheRelease) {
    fx.icmp.AlwaysAnswer(H);
    RunCycle();
    const int icon = fx.log.Find("Shell Modify icon=" + std::to_string(PictureOf("HIP")));
    const int tip = fx.log.Find("Shell Modify icon=" + std::to_string(PictureOf("HIP")) + " tip=No Internet");
    const int release = fx.log.Find("WSACleanup");
    ASSERT_GE(icon, 0);
    EXPECT_LT(icon, tip);
    EXPECT_LT(tip, release);
    EXPECT_EQ(release, static_cast<int>(fx.log.Entries().size()) - 1);
}

TEST_F(CheckCycleTest, TotalFailureReleasesBeforeSettingIconAndTip) {
    RunCycle();
    EXPECT_EQ(Destinations(), (std::vector<std::uint32_t>{I, I, H, H, C, C}));
    EXPECT_EQ(Timeouts(), (std::vector<std::uint32_t>{1000, 1000, 200, 200, 40, 40}));
    const int release = fx.log.Find("WSACleanup");
    const int icon = fx.log.Find("Shell Modify icon=" + std::to_string(PictureOf("e")));
    ASSERT_GE(release, 0);
    EXPECT_LT(release, icon);
    EXPECT_EQ(fx.log.Entries().back(),
              "Shell Modify icon=" + std::to_string(PictureOf("e")) + " tip=" + kNetworkErrorTip);
}

TEST_F(CheckCycleTest, EveryCycleReleasesWhatItStarted) {
    fx.icmp.Script(I, {true});
    RunCycle();
    RunCycle();
    EXPECT_EQ(fx.log.Count("WSAStartup"), 2);
    EXPECT_EQ(fx.log.Count("WSACleanup"), 2);
    EXPECT_EQ(fx.sockets.references, 0);
    EXPECT_EQ(fx.icmp.openHandles, 0);
}

TEST_F(CheckCycleTest, TicksWhileThePanelIsOpenChangeNothing) {
    fx.form.hook->Callback(0x203);  // the panel is open
    auto& state = form.State();
    state.RefreshMinutes = 3;
    for (const std::uint8_t left : {1, 2, 0}) {
        state.MinutesLeft = left;
        fx.log.Clear();
        form.Timer_Timer();
        EXPECT_EQ(state.MinutesLeft, left);
        EXPECT_TRUE(fx.log.Entries().empty());
    }
}

TEST_F(CheckCycleTest, EachCheckTheSiteAnswersGivesItsRoundTripToItsHour) {
    fx.icmp.roundTrip = 42;
    fx.icmp.Script(I, {true});
    RunCycle();
    RunCycle();  // the site silent: nothing for the hour
    fx.icmp.roundTrip = 7;
    fx.icmp.Script(I, {false, true});  // answered at the second try
    RunCycle();
    EXPECT_TRUE(fx.latencyFile.current.empty());  // the hour is not over
    fx.clock.now.utc += 3600;
    fx.icmp.Script(I, {true});
    RunCycle();
    EXPECT_NE(fx.latencyFile.current.find("T00:00:00+00:00,2,1,42,42\r\n"), std::string::npos)
        << fx.latencyFile.current;
}

}  // namespace
}  // namespace netvik
