#include <gtest/gtest.h>

#include "fakes/FakeSystem.h"
#include "net/AddressText.h"

namespace netvik {
namespace {

using fakes::FakeSystem;
using fakes::ProgramEnded;
using platform::MessageIcon;

TEST(ByteSplitting, GivesBothBytesOfEveryWord) {
    EXPECT_EQ(modWinSock::LoByte(0x0101), 1);
    EXPECT_EQ(modWinSock::HiByte(0x0101), 1);
    EXPECT_EQ(modWinSock::LoByte(0x0201), 1);
    EXPECT_EQ(modWinSock::HiByte(0x0201), 2);
    EXPECT_EQ(modWinSock::LoByte(0x0001), 1);
    EXPECT_EQ(modWinSock::HiByte(0x0001), 0);
    // Words with the top bit set still split into their own two bytes.
    EXPECT_EQ(modWinSock::HiByte(0x8101), 0x81);
    EXPECT_EQ(modWinSock::LoByte(0xFFFF), 255);
    EXPECT_EQ(modWinSock::HiByte(0xFFFF), 255);
}

class SocketsStartup : public ::testing::Test {
protected:
    FakeSystem fx;
};

TEST_F(SocketsStartup, AsksForVersionOnePointOneAndReturnsZero) {
    EXPECT_EQ(fx.winsock.StartWinsock(), 0);
    EXPECT_EQ(fx.sockets.requestedVersion, 0x0101);
    EXPECT_TRUE(fx.messages.shown.empty());
}

TEST_F(SocketsStartup, AcceptsEveryVersionFromOnePointOne) {
    for (const std::uint16_t version : {0x0101, 0x0201, 0x0102, 0x0202}) {
        fx.sockets.version = version;
        EXPECT_EQ(fx.winsock.StartWinsock(), 0) << version;
    }
    EXPECT_TRUE(fx.messages.shown.empty());
    EXPECT_FALSE(fx.application.ended);
}

TEST_F(SocketsStartup, FailureIsReportedAndEndsTheProgram) {
    fx.sockets.startupResult = 10091;  // WSASYSNOTREADY
    EXPECT_THROW(fx.winsock.StartWinsock(), ProgramEnded);
    ASSERT_EQ(fx.messages.shown.size(), 1U);
    EXPECT_EQ(fx.messages.shown[0].text, "Winsock.dll error.");
    EXPECT_EQ(fx.messages.shown[0].title, "Error");
    EXPECT_EQ(fx.messages.shown[0].icon, MessageIcon::Error);
    EXPECT_LT(fx.log.Find("MessageBox"), fx.log.Find("End"));
}

TEST_F(SocketsStartup, VersionBelowOnePointOneIsReportedAndEndsTheProgram) {
    struct Case {
        std::uint16_t wVersion;
        const char* text;
    };
    for (const Case c : {Case{0x0001, "Windows Sockets version 1.0"}, Case{0x0900, "Windows Sockets version 0.9"},
                         Case{0x0000, "Windows Sockets version 0.0"}}) {
        FakeSystem local;
        local.sockets.version = c.wVersion;
        EXPECT_THROW(local.winsock.StartWinsock(), ProgramEnded);
        ASSERT_EQ(local.messages.shown.size(), 1U);
        EXPECT_EQ(local.messages.shown[0].text, c.text);
        EXPECT_EQ(local.messages.shown[0].title, "Netvik");
        EXPECT_EQ(local.messages.shown[0].icon, MessageIcon::None);
    }
}

TEST_F(SocketsStartup, ReleasesPairWithStartupsAndAnUnmatchedReleaseIsSilent) {
    fx.winsock.EndWinsock();  // nothing was started
    EXPECT_EQ(fx.log.Count("WSACleanup"), 0);

    fx.winsock.StartWinsock();
    fx.winsock.StartWinsock();
    fx.winsock.EndWinsock();
    fx.winsock.EndWinsock();
    fx.winsock.EndWinsock();  // one more than was started
    EXPECT_EQ(fx.log.Count("WSACleanup"), 2);
    EXPECT_EQ(fx.sockets.references, 0);
    EXPECT_TRUE(fx.messages.shown.empty());
    EXPECT_FALSE(fx.application.ended);
}

TEST_F(SocketsStartup, RealReleaseFailureIsReportedAndEndsTheProgram) {
    fx.winsock.StartWinsock();
    fx.sockets.cleanupResult = -1;
    EXPECT_THROW(fx.winsock.EndWinsock(), ProgramEnded);
    ASSERT_EQ(fx.messages.shown.size(), 1U);
    EXPECT_EQ(fx.messages.shown[0].text, "Socket Error -1 occurred In Cleanup ");
    EXPECT_EQ(fx.messages.shown[0].title, "Error");
    EXPECT_EQ(fx.messages.shown[0].icon, MessageIcon::Error);
}

class EchoProbe : public ::testing::Test {
protected:
    FakeSystem fx;
    const std::int32_t loopback = AddressToLong("127.0.0.1");
};

TEST_F(EchoProbe, SendsTheFixedRequestAndClosesItsHandle) {
    const std::int16_t timeout = 1000;
    fx.winsock.PingAddress(loopback, timeout);
    ASSERT_EQ(fx.icmp.requests.size(), 1U);
    const auto& request = fx.icmp.requests[0];
    EXPECT_EQ(request.destination, 0x0100007FU);  // 127.0.0.1 in written order in memory
    EXPECT_EQ(request.data, "Hello?");
    EXPECT_EQ(request.size, 6);
    EXPECT_EQ(request.options.Ttl, 64);
    EXPECT_EQ(request.options.Tos, 0);
    EXPECT_EQ(request.options.Flags, 0);
    EXPECT_EQ(request.options.OptionsSize, 0);
    EXPECT_EQ(request.options.OptionsData, nullptr);
    EXPECT_EQ(request.replySize, 278U);
    EXPECT_TRUE(request.replyZeroed);
    EXPECT_EQ(request.timeout, 1000U);
    EXPECT_EQ(fx.icmp.openHandles, 0);
}

TEST_F(EchoProbe, ZeroOnlyForAnEchoReply) {
    fx.icmp.Script(static_cast<std::uint32_t>(loopback), {true, false});
    EXPECT_EQ(fx.winsock.PingAddress(loopback, 200), 0);
    EXPECT_EQ(fx.winsock.PingAddress(loopback, 200), 11010);
}

TEST_F(EchoProbe, NeverTurnsAFailureIntoAnAnswer) {
    // A zero status without any reply counted (the call itself failed).
    fx.icmp.statusOverride = 0;
    fx.icmp.repliesOverride = 0;
    EXPECT_NE(fx.winsock.PingAddress(loopback, 40), 0);
    // A status that does not fit 16 bits must not narrow to zero.
    fx.icmp.statusOverride = 0x10000;
    EXPECT_NE(fx.winsock.PingAddress(loopback, 40), 0);
    // Any ordinary failure status passes through unchanged.
    fx.icmp.statusOverride = 11003;  // IP_DEST_HOST_UNREACHABLE
    EXPECT_EQ(fx.winsock.PingAddress(loopback, 40), 11003);
}

}  // namespace
}  // namespace netvik

namespace netvik {
namespace {

using fakes::FakeSystem;

class HostLookup : public ::testing::Test {
protected:
    FakeSystem fx;
};

TEST_F(HostLookup, DottedAddressResolvesToItself) {
    EXPECT_EQ(fx.winsock.ResolveHostName("1.2.3.4", 0), "1.2.3.4");
    EXPECT_EQ(fx.winsock.ResolveHostName("10.0.221.5", 0), "10.0.221.5");
}

TEST_F(HostLookup, UnknownNameIsTheFailureMarkerWithoutAMessage) {
    EXPECT_EQ(fx.winsock.ResolveHostName("no.such.host", 0), "1");
    EXPECT_TRUE(fx.messages.shown.empty());
}

TEST_F(HostLookup, IndexPicksFromTheListAndPastItsEndGivesNoAddress) {
    fx.hostNames.Add("multi", {std::string("\x0a\x00\x00\x01", 4), std::string("\xc0\xa8\x00\xfe", 4)});
    EXPECT_EQ(fx.winsock.ResolveHostName("multi", 0), "10.0.0.1");
    EXPECT_EQ(fx.winsock.ResolveHostName("multi", 1), "192.168.0.254");
    EXPECT_EQ(fx.winsock.ResolveHostName("multi", 2), "0.0.0.0");
    EXPECT_EQ(fx.winsock.ResolveHostName("multi", 255), "0.0.0.0");
    fx.hostNames.Add("none", {});
    EXPECT_EQ(fx.winsock.ResolveHostName("none", 0), "0.0.0.0");
}

TEST_F(HostLookup, AddressesThatAreNotFourBytesLongAreNeverRead) {
    // An address length other than four: nothing is copied out of the list.
    fx.hostNames.Add("short", {std::string("\x0a\x00", 2)}, 2);
    fx.hostNames.Add("long", {std::string(16, '\x01')}, 16);
    fx.hostNames.Add("lying", {std::string("\x0a\x00\x00\x01", 4)}, 4000);
    EXPECT_EQ(fx.winsock.ResolveHostName("short", 0), "0.0.0.0");
    EXPECT_EQ(fx.winsock.ResolveHostName("long", 0), "0.0.0.0");
    EXPECT_EQ(fx.winsock.ResolveHostName("lying", 0), "0.0.0.0");
}

TEST_F(HostLookup, LocalHostNameResolvesTheFirstOrSecondAddress) {
    fx.hostNames.hostName = "  netvik-pc ";
    fx.hostNames.Add("netvik-pc", {std::string("\xc0\xa8\x00\x02", 4), std::string("\x51\x02\x03\x04", 4)});
    EXPECT_EQ(fx.winsock.GetLocalHostName(false), "192.168.0.2");
    EXPECT_EQ(fx.winsock.GetLocalHostName(true), "81.2.3.4");
    EXPECT_EQ(fx.hostNames.lookups.back(), "netvik-pc");  // blanks at either end removed
}

TEST_F(HostLookup, OnlyMinusOneAsksForTheSecondAddress) {
    fx.hostNames.Add("netvik-pc", {std::string("\xc0\xa8\x00\x02", 4), std::string("\x51\x02\x03\x04", 4)});
    EXPECT_EQ(fx.winsock.GetLocalHostName(Bool16(false)), "192.168.0.2");
}

TEST_F(HostLookup, ASingleAddressPcHasNoSecondAddress) {
    fx.hostNames.Add("netvik-pc", {std::string("\xc0\xa8\x00\x02", 4)});
    EXPECT_EQ(fx.winsock.GetLocalHostName(true), "0.0.0.0");
}

TEST_F(HostLookup, HostNameFailureShowsTheErrorNumberAfterTwoBlanks) {
    fx.hostNames.hostNameError = 10093;  // WSANOTINITIALISED
    EXPECT_EQ(fx.winsock.GetLocalHostName(false), "");
    ASSERT_EQ(fx.messages.shown.size(), 1U);
    EXPECT_EQ(fx.messages.shown[0].text, "Windows Socket Error  10093");
    EXPECT_EQ(fx.messages.shown[0].title, "Netvik");
    EXPECT_EQ(fx.messages.shown[0].icon, platform::MessageIcon::None);
    EXPECT_TRUE(fx.hostNames.lookups.empty());
}

TEST_F(HostLookup, HostNameFillingTheWholeBufferIsReadWithinIt) {
    fx.hostNames.hostName = std::string(80, 'h');  // no NUL within the 64 characters
    fx.winsock.GetLocalHostName(false);
    ASSERT_EQ(fx.hostNames.lookups.size(), 1U);
    EXPECT_EQ(fx.hostNames.lookups[0], std::string(64, 'h'));
}

}  // namespace
}  // namespace netvik
