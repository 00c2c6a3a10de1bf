// The trace after a change to no-internet: reading its replies, sending and
// gathering them without waiting, and where it runs in the check cycle.
#include <gtest/gtest.h>

#include "fakes/FakeSystem.h"
#include "net/AddressText.h"
#include "net/Trace.h"

namespace netvik {
namespace {

using fakes::FakeSystem;

std::uint32_t A(const char* address) { return static_cast<std::uint32_t>(AddressToLong(address)); }

constexpr std::uint32_t kEcho = 0, kNetUnreachable = 11002, kHostUnreachable = 11003, kTimedOut = 11010,
                        kExceeded = 11013;

TEST(TraceReading, TheLastAnsweringHopAndHowThePathEnds) {
    const std::uint32_t site = A("203.0.113.10");
    const HopReply r1{1, kExceeded, A("10.25.1.1")}, r2{1, kExceeded, A("100.64.2.2")},
        r3{1, kExceeded, A("100.64.3.2")}, silent{0, kTimedOut, 0};
    struct Case {
        const char* what;
        std::vector<HopReply> hops;  // from time-to-live 1; the rest time out
        PathFound found;
    };
    const Case cases[] = {
        {"cut after hop 3", {r1, r2, r3}, {3, A("100.64.3.2"), PathEnd::Silence}},
        {"a silent hop before a later answer is no break", {r1, silent, r3}, {3, A("100.64.3.2"), PathEnd::Silence}},
        {"network unreachable ends it",
         {r1, {1, kNetUnreachable, A("100.64.2.2")}, r3},
         {2, A("100.64.2.2"), PathEnd::Unreachable}},
        {"host unreachable too",
         {{1, kHostUnreachable, A("10.25.1.1")}, r2},
         {1, A("10.25.1.1"), PathEnd::Unreachable}},
        {"a loop ends it before the repeated address", {r1, r2, r1, r2}, {2, A("100.64.2.2"), PathEnd::Loop}},
        {"the site, and nothing beyond it", {r1, {1, kEcho, site}, r3}, {2, site, PathEnd::Site}},
        {"replies that are no hop's",
         {r1,
          {1, kEcho, A("100.64.9.9")},  // an echo reply from an address not asked
          {0, kEcho, site},             // an echo reply the system did not count
          {1, kExceeded, 0},            // nobody's address
          {1, kExceeded, A("224.0.0.1")},
          {1, kExceeded, site},          // the site is no router
          {1, 11050, A("100.64.5.5")}},  // general failure
         {1, A("10.25.1.1"), PathEnd::Silence}},
        {"nothing answers", {}, {0, 0, PathEnd::Silence}},
    };
    for (const Case& c : cases) {
        std::array<HopReply, kTraceHops> hops;
        hops.fill(silent);
        std::copy(c.hops.begin(), c.hops.end(), hops.begin());
        const PathFound found = ReadHops(hops, site);
        EXPECT_EQ(found.hop, c.found.hop) << c.what;
        EXPECT_EQ(found.address, c.found.address) << c.what;
        EXPECT_EQ(found.end, c.found.end) << c.what;
    }
    // A buffer shorter than a reply record holds none.
    alignas(platform::IcmpEchoReply) unsigned char buffer[sizeof(platform::IcmpEchoReply)] = {};
    EXPECT_EQ(ReadReply(buffer, sizeof buffer - 1, 1).replies, 0u);
    EXPECT_EQ(ReadReply(buffer, sizeof buffer, 1).replies, 1u);
}

// The check cycle with the router answering, on a system that sends echo
// requests without waiting.
class TraceCycle : public ::testing::Test {
protected:
    TraceCycle() {
        fx.StoreSettings("203.0.113.10", "10.25.1.1", "10.25.1.2");
        fx.icmp.AlwaysAnswer(site);
        fx.icmp.AlwaysAnswer(A("10.25.1.1"));
        fx.icmp.sendsWithoutWaiting = true;
        form.Form_Load();  // connected
    }
    // A check with the site answering, then one without: a change.
    void Change() {
        fx.icmp.AlwaysAnswer(site);
        form.mnoRefresh_Click();
        fx.icmp.StopAnswering(site);
        form.mnoRefresh_Click();
    }
    void Tick(std::uint32_t milliseconds) {
        fx.clock.milliseconds += milliseconds;
        fx.tmrTrace.Tick();
    }
    // The last line of the record past its time, which is 25 characters:
    // ",no-internet," and the last check's, 38 more, then any fields.
    std::string LastLine() const {
        const std::string& file = fx.historyFile.current;
        const std::size_t start = file.rfind('\n', file.size() - 3) + 26;
        return file.substr(start, file.size() - 2 - start);
    }

    FakeSystem fx;
    frmNetvikmain form{fx.Services(), fx.Controls()};
    const std::uint32_t site = A("203.0.113.10");
};

TEST_F(TraceCycle, AfterTheChecksStepsAllAtOnceItsLineAndBalloonTellTheResultAndNothingLateCountsForAnother) {
    fx.icmp.StopAnswering(site);
    fx.log.Clear();
    form.mnoRefresh_Click();
    // Every step of the check first, to the release of the sockets library.
    EXPECT_EQ(fx.log.Find("WSACleanup") + 1, fx.log.Find("Timer 3 on"));
    ASSERT_EQ(fx.icmp.pending.size(), 16u);
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_TRUE(fx.icmp.pending[i].ttl == i + 1 && fx.icmp.pending[i].timeout == 1000);
    }
    EXPECT_TRUE(fx.connect.open && fx.connect.port == 443);
    const std::string balloon = fx.shell.balloons.back().second;  // the change's, as ever
    for (std::size_t i = 0; i < 3; ++i) fx.icmp.Land(i, kExceeded, A("10.25.1.1") + (i << 16), 1);
    fx.connect.Answer(platform::ConnectAttempt::Outcome::Failed);
    Tick(1200);
    EXPECT_EQ(fx.historyFile.current.find("no-internet"), std::string::npos);  // the rest is out, there is time
    Tick(50);
    EXPECT_EQ(LastLine().substr(38), ",3 10.25.3.1,silent");
    EXPECT_NE(fx.shell.balloons.back().second, balloon);
    fx.icmp.LandAll();  // the rest land late: then everything closes
    Tick(50);
    EXPECT_TRUE(!fx.tmrTrace.enabled && fx.icmp.openEvents == 0 && fx.icmp.openHandles == 0);

    // The panel ends a trace: the line goes as it is. A second trace while
    // the first one's requests are out: theirs land with answers, its own
    // time out, and it learnt nothing. The next check ends a third.
    Change();
    form.gSysTray_Restored();
    EXPECT_TRUE(!fx.connect.open && LastLine().size() == 38u);
    form.gSysTray_WentToTray();
    Change();
    const std::size_t balloons = fx.shell.balloons.size();
    for (std::size_t i = 0; i < 16; ++i) fx.icmp.Land(16 + i, kExceeded, A("100.64.9.1") + (i << 24), 1);
    fx.icmp.LandAll();
    fx.connect.Answer(platform::ConnectAttempt::Outcome::Failed);
    Tick(50);
    EXPECT_TRUE(LastLine().size() == 38u && fx.shell.balloons.size() == balloons);
    Change();
    form.mnoRefresh_Click();
    EXPECT_TRUE(fx.icmp.pending.size() == 64u && LastLine().size() == 38u);
    fx.icmp.LandAll();
    Tick(2000);
    EXPECT_TRUE(!fx.tmrTrace.enabled && fx.icmp.openEvents == 0);
}

}  // namespace
}  // namespace netvik
