// The sockets library and the echo probe against the system's real ones.
#include <gtest/gtest.h>

#include <cstdlib>

#include "fakes/FakeApplication.h"
#include "fakes/FakeMessageBoxes.h"
#include "net/AddressText.h"
#include "net/modWinSock.h"
#include "platform/win32/Win32HostNames.h"
#include "platform/win32/Win32Icmp.h"
#include "platform/win32/Win32Sockets.h"

namespace netvik {
namespace {

class RealProbe : public ::testing::Test {
protected:
    // Milliseconds a probe took, with the probe's status.
    struct Timed {
        std::int16_t status;
        DWORD elapsed;
    };
    Timed Ping(const char* dotted, std::int16_t timeout) {
        const std::int32_t address = AddressToLong(dotted);
        const DWORD start = GetTickCount();
        const std::int16_t status = winsock.PingAddress(address, timeout);
        return {status, GetTickCount() - start};
    }

    fakes::CallLog log;
    fakes::FakeApplication application{log};
    fakes::FakeMessageBoxes messages{log};
    win32::Win32Sockets sockets;
    win32::Win32Icmp icmp;
    win32::Win32HostNames hostNames;
    modWinSock winsock{sockets, icmp, hostNames, messages, application};
};

TEST_F(RealProbe, TheIcmpLibraryLoads) { EXPECT_TRUE(icmp.Loaded()); }

TEST_F(RealProbe, LocalIpIsADottedAddress) {
    winsock.StartWinsock();
    const std::string address = winsock.LocalIP();
    winsock.EndWinsock();
    EXPECT_NE(AddressToLong(address), 0) << address;
}

TEST_F(RealProbe, LoopbackAnswersEveryTimeoutOfTheChain) {
    winsock.StartWinsock();
    for (const std::int16_t timeout : {1000, 200, 40}) {
        const Timed probe = Ping("127.0.0.1", timeout);
        EXPECT_EQ(probe.status, 0) << timeout;
        EXPECT_LT(probe.elapsed, static_cast<DWORD>(timeout)) << timeout;
    }
    winsock.EndWinsock();
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(RealProbe, AnAddressNobodyHoldsDoesNotAnswer) {
    // Address 0, what the chain probes before any address was applied.
    winsock.StartWinsock();
    EXPECT_NE(Ping("0.0.0.0", 40).status, 0);
    winsock.EndWinsock();
}

TEST_F(RealProbe, ASilentHostTimesOutAfterAboutItsTimeout) {
    const char* silent = std::getenv("NETVIK_SILENT_HOST");
    if (silent == nullptr) GTEST_SKIP() << "needs the silent host of a sandbox network";
    winsock.StartWinsock();
    for (const std::int16_t timeout : {1000, 200, 40}) {
        const Timed probe = Ping(silent, timeout);
        EXPECT_NE(probe.status, 0) << timeout;
        EXPECT_GE(probe.elapsed + 20, static_cast<DWORD>(timeout)) << timeout;
        EXPECT_LE(probe.elapsed, static_cast<DWORD>(timeout) + 250) << timeout;
        std::printf("silent host, time-out %d ms: status %d after %lu ms\n", timeout, probe.status,
                    static_cast<unsigned long>(probe.elapsed));
    }
    winsock.EndWinsock();
}

TEST_F(RealProbe, TheHelperLibraryServesWhenTheIcmpLibraryIsMissing) {
    win32::Win32Icmp fallback({"netvik-missing-icmp.dll", "iphlpapi.dll"});
    ASSERT_TRUE(fallback.Loaded());
    modWinSock probe(sockets, fallback, hostNames, messages, application);
    probe.StartWinsock();
    EXPECT_EQ(probe.PingAddress(AddressToLong("127.0.0.1"), 1000), 0);
    probe.EndWinsock();
}

TEST_F(RealProbe, WithoutAnyIcmpLibraryEveryProbeFailsSafely) {
    win32::Win32Icmp none({"netvik-missing-icmp.dll"});
    EXPECT_FALSE(none.Loaded());
    modWinSock probe(sockets, none, hostNames, messages, application);
    probe.StartWinsock();
    EXPECT_NE(probe.PingAddress(AddressToLong("127.0.0.1"), 40), 0);
    probe.EndWinsock();
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(RealProbe, StartupsAndReleasesPairWithThePlatform) {
    EXPECT_EQ(winsock.StartWinsock(), 0);
    EXPECT_EQ(winsock.StartWinsock(), 0);
    winsock.EndWinsock();
    winsock.EndWinsock();
    // Both start-ups are released: the platform itself now refuses a release.
    EXPECT_NE(sockets.Cleanup(), 0);
    // The program's own unmatched release stays silent.
    winsock.EndWinsock();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(application.ended);
}

}  // namespace
}  // namespace netvik
