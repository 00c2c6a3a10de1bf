#include <gtest/gtest.h>

#include "external/FtpDialogue.h"
#include "fakes/FakeSystem.h"

namespace netvik {
namespace {

using fakes::FakeSystem;
using platform::BorderStyle;
using platform::SystemColor;

constexpr char kFailed[] = "External IP address could not me retrieved.\rCheck your internetconnection and try again.";
// What a suitable server answers to the four lines.
constexpr char kReply[] =
    "220 Welcome.\r\n331 Please specify the password.\r\n230 Login successful.\r\n211-FTP server status:\r\n"
    "     Connected to 203.0.113.7\r\n     Logged in as ftp\r\n211 End of status\r\n221 Goodbye.\r\n";

TEST(FtpDialogue, SendsTheFourLinesAsOneBlock) {
    EXPECT_EQ(ftp::Commands(), "User anonymous\r\nPass me@example.com\r\nStat\r\nQuit\r\n");
    EXPECT_EQ(std::string(ftp::kPassword).size(), 14U);
}

TEST(FtpDialogue, OnlyAReplyCodeAtTheStartOfALineSaysGoodbye) {
    EXPECT_TRUE(ftp::ReplyEnded(kReply));
    EXPECT_TRUE(ftp::ReplyEnded("221-Bye\r\n"));
    EXPECT_TRUE(ftp::ReplyEnded("230 ok\n221 Goodbye."));
    for (const char* reply : {"220 Server 221 ready\r\n", "     Connected to 10.0.221.5\r\n", "221", "2210 x\r\n",
                              "220 ok\r\n221", "", "x221 Goodbye.\r\n"}) {
        EXPECT_FALSE(ftp::ReplyEnded(reply)) << reply;
    }
}

TEST(FtpDialogue, TheAddressStandsBetweenConnectedToAndItsCarriageReturn) {
    EXPECT_EQ(ftp::ConnectedAddress(kReply), "203.0.113.7");
    EXPECT_EQ(ftp::ConnectedAddress("Connected to host.example\r\nConnected to 1.2.3.4\r"), "host.example");
    EXPECT_EQ(ftp::ConnectedAddress("Connected to \r"), "");
    EXPECT_EQ(ftp::ConnectedAddress("221 Goodbye.\r\n"), std::nullopt);
    EXPECT_EQ(ftp::ConnectedAddress("Connected to 1.2.3.4\n221 Goodbye."), "1.2.3.4");
}

// The panel open over stored settings, as after a double-click on the icon.
class Retrieval : public ::testing::Test {
protected:
    Retrieval() {
        fx.StoreSettings("127.0.0.1", "127.0.0.2", "127.0.0.3");
        form.Form_Load();
        fx.form.hook->Callback(0x203);
        fx.log.Clear();
    }
    void Start() {
        fx.cmdRetrieve.Click();
        fx.Winsock.Accept();
    }
    void ExpectIdleTimer() {
        EXPECT_FALSE(fx.Timer.enabled);
        EXPECT_EQ(fx.Timer.interval, 60000U);
        EXPECT_FALSE(fx.Winsock.open);
        EXPECT_TRUE(form.State().FtpReply.empty());
    }
    void ExpectFailed() {
        ASSERT_EQ(fx.messages.shown.size(), 1U);
        EXPECT_EQ(fx.messages.shown[0].text, kFailed);
        EXPECT_EQ(fx.messages.shown[0].title, "Error");
        EXPECT_EQ(fx.messages.shown[0].icon, platform::MessageIcon::Error);
        EXPECT_EQ(fx.lblRealIP.caption, "");
        EXPECT_EQ(fx.lblRealIP.backColor, SystemColor::ButtonFace);
        EXPECT_TRUE(fx.cmdRetrieve.enabled);
        EXPECT_EQ(fx.cmdRetrieve.caption, "R&etrieve");
        ExpectIdleTimer();
    }

    FakeSystem fx;
    frmNetvikmain form{fx.Services(), fx.Controls()};
};

TEST_F(Retrieval, StartsWaitingWithTheTimeOutOnTheSharedTimer) {
    fx.cmdRetrieve.Click();
    EXPECT_FALSE(fx.cmdRetrieve.enabled);
    EXPECT_EQ(fx.lblRealIP.caption, "Please Wait...");
    EXPECT_EQ(fx.lblRealIP.backColor, SystemColor::ButtonFace);
    EXPECT_EQ(fx.lblRealIP.borderStyle, BorderStyle::None);
    EXPECT_TRUE(fx.Timer.enabled);
    EXPECT_EQ(fx.Timer.interval, 15000U);
    EXPECT_EQ(fx.Winsock.host, "ftp.gnu.org");
    EXPECT_EQ(fx.Winsock.port, 21);
    EXPECT_TRUE(fx.Winsock.sent.empty());  // nothing before the connection stands
    fx.Winsock.Accept();
    EXPECT_EQ(fx.Winsock.sent, (std::vector<std::string>{ftp::Commands()}));
}

TEST_F(Retrieval, AReplyInOneBytePiecesIsJoinedAndShownAfterTheGoodbye) {
    Start();
    const std::string reply = kReply;
    const std::size_t goodbye = reply.find("221 Goodbye") + 3;  // up to the code's blank
    for (std::size_t i = 0; i < goodbye; ++i) {
        fx.Winsock.Deliver(reply.substr(i, 1));
        ASSERT_EQ(fx.lblRealIP.caption, "Please Wait...") << i;
    }
    fx.Winsock.Deliver(" ");
    EXPECT_EQ(fx.lblRealIP.caption, "203.0.113.7");
    EXPECT_EQ(fx.lblRealIP.backColor, SystemColor::Window);
    EXPECT_EQ(fx.lblRealIP.borderStyle, BorderStyle::FixedSingle);
    EXPECT_EQ(fx.cmdRetrieve.caption, "R&efresh");
    EXPECT_TRUE(fx.cmdRetrieve.enabled);
    EXPECT_TRUE(fx.messages.shown.empty());
    ExpectIdleTimer();
}

TEST_F(Retrieval, A221InTheGreetingOrInAnAddressIsNoGoodbye) {
    Start();
    fx.Winsock.Deliver("220 FTP 221 ready\r\n211-Status\r\n     Connected to 10.0.221.5\r\n");
    EXPECT_EQ(fx.lblRealIP.caption, "Please Wait...");
    fx.Winsock.Deliver("211 End\r\n221 Goodbye.\r\n");
    EXPECT_EQ(fx.lblRealIP.caption, "10.0.221.5");
}

TEST_F(Retrieval, AHostNameIsLookedUpWithoutBlockingWithinTheTimeOut) {
    Start();  // a name service slower than the time-out
    fx.Winsock.Deliver(" Connected to slow.example\r\n221 Goodbye.\r\n");
    EXPECT_EQ(fx.Winsock.lookup, "slow.example");
    EXPECT_TRUE(fx.hostNames.lookups.empty());  // nothing waits on the name service
    EXPECT_EQ(fx.lblRealIP.caption, "Please Wait...");
    fx.Timer.Tick();
    ExpectFailed();
    EXPECT_TRUE(fx.Winsock.lookup.empty());  // the lookup is given up

    Start();
    fx.Winsock.Deliver("211-Status\r\n Connected to gateway.example\r\n221 Goodbye.\r\n");
    fx.Winsock.AnswerLookup("10.0.0.1");
    EXPECT_EQ(fx.lblRealIP.caption, "10.0.0.1");
    EXPECT_EQ(fx.lblRealIP.borderStyle, BorderStyle::FixedSingle);
    ExpectIdleTimer();
}

TEST_F(Retrieval, ATextThatYieldsNoAddressEndsInTheFailureMessage) {
    const std::string reported[] = {
        " Connected to no.such.host\r\n221 Goodbye.\r\n",                // a name that cannot be resolved
        " Connected to 1\r\n221 Goodbye.\r\n",                           // the lookup's old failure marker
        " Connected to 0.0.0.0\r\n221 Goodbye.\r\n",                     // no address
        " Connected to \r\n221 Goodbye.\r\n",                            // empty
        std::string(" Connected to 1.2\0.3.4\r\n221 Goodbye.\r\n", 38),  // a NUL inside
        " Connected to 1.2.3.4 \xe9\r\n221 Goodbye.\r\n",                // beyond ASCII
        "221 Goodbye.\r\nConnected to 6.6.6.6\r\n",                      // after the goodbye's line
    };
    for (const std::string& reply : reported) {
        fx.messages.shown.clear();
        Start();
        fx.Winsock.Deliver(reply);
        fx.Winsock.AnswerLookup("");
        ExpectFailed();
    }
}

TEST_F(Retrieval, NoReplyEndsAtTheTimeOutTick) {
    Start();
    fx.Timer.Tick();
    ExpectFailed();
}

TEST_F(Retrieval, AClosedResetOrRefusedConnectionFailsAtOnce) {
    for (const char* before : {"", "220 Hi\r\n211-Status\r\n     Connected to 203.0.113.7\r\n"}) {
        fx.messages.shown.clear();
        Start();
        fx.Winsock.Deliver(before);
        fx.Winsock.Drop();
        ExpectFailed();
    }
}

TEST_F(Retrieval, AnOkRefusedForAnInvalidAddressLeavesTheRetrievalWaiting) {
    Start();
    fx.txtHIP.SetText("1.2.3");
    fx.cmdOK.Click();
    ASSERT_EQ(fx.messages.shown.size(), 1U);  // the invalid addresses
    EXPECT_EQ(fx.lblRealIP.caption, "Please Wait...");
    EXPECT_TRUE(fx.Timer.enabled);
    EXPECT_EQ(fx.Timer.interval, 15000U);
    fx.messages.shown.clear();
    fx.Timer.Tick();
    ExpectFailed();
}

TEST_F(Retrieval, AFailureWaitsForTheOpenDialogWhichOpensOnlyOnce) {
    fx.network.gateways = {"192.168.0.1"};
    Start();
    fx.gatewayUser = [&](fakes::FakeGatewayIPs& dialog) {
        fx.Timer.Tick();  // the time-out, in the dialog's modal loop
        EXPECT_TRUE(fx.messages.shown.empty());
        EXPECT_EQ(fx.lblRealIP.caption, "");
        fx.cmdGetH.Click();  // a second press while its dialog is open
        EXPECT_EQ(fx.dialogsLoaded, 1);
        dialog.cmdCancel.Click();
    };
    fx.cmdGetH.Click();
    ExpectFailed();
}

TEST_F(Retrieval, AGoodbyeWithoutTheAddressFailsAtOnce) {
    Start();
    fx.Winsock.Deliver("220 Hi\r\n211 No status for you\r\n221 Goodbye.\r\n");
    ExpectFailed();
}

TEST_F(Retrieval, AnEndlessReplyFailsOnceItPassesTheBound) {
    Start();
    const std::string chunk(4096, 'x');
    for (int i = 0; i < 17 && fx.messages.shown.empty(); ++i) fx.Winsock.Deliver(chunk);
    ExpectFailed();
    fx.Winsock.Deliver("221 Goodbye.\r\n");  // whatever comes later changes nothing
    EXPECT_EQ(fx.messages.shown.size(), 1U);
}

TEST_F(Retrieval, GoingBackToTheTrayEndsAPendingRetrievalFirst) {
    const std::vector<std::function<void()>> ways = {[&] { fx.cmdOK.Click(); }, [&] { fx.cmdCancel.Click(); },
                                                     [&] {
                                                         fx.form.state = platform::WindowState::Minimized;
                                                         fx.form.Resize();
                                                     }};
    for (const auto& backToTray : ways) {
        fx.form.state = platform::WindowState::Normal;
        fx.form.hook->Callback(0x203);
        Start();
        backToTray();
        EXPECT_FALSE(fx.Winsock.open);
        EXPECT_EQ(fx.Timer.interval, 60000U);
        EXPECT_TRUE(fx.cmdRetrieve.enabled);
        EXPECT_EQ(fx.lblRealIP.caption, "");
        EXPECT_TRUE(form.State().FtpReply.empty());
        // The countdown keeps its minutes; a late reply changes nothing.
        const bool ticking = fx.Timer.enabled;
        fx.Winsock.Deliver(kReply);
        EXPECT_EQ(fx.Timer.enabled, ticking);
        EXPECT_EQ(fx.lblRealIP.caption, "");
    }
    EXPECT_TRUE(fx.messages.shown.empty());
}

TEST_F(Retrieval, ASecondRetrievalStartsEmptyAndKeepsTheRefreshCaption) {
    Start();
    fx.Winsock.Deliver(kReply);
    Start();
    EXPECT_TRUE(form.State().FtpReply.empty());
    EXPECT_EQ(fx.Winsock.sent.size(), 2U);
    EXPECT_EQ(fx.Winsock.sent[1], ftp::Commands());
    fx.Winsock.Deliver(kReply);
    EXPECT_EQ(fx.cmdRetrieve.caption, "R&efresh");
}

TEST(RetrievalOnAFirstStart, WorksOnAPanelOpenedWithoutTheSocketsLibrary) {
    FakeSystem fx;
    frmNetvikmain form{fx.Services(), fx.Controls()};
    form.Form_Load();  // nothing stored: the panel opens without a start-up
    ASSERT_EQ(fx.sockets.references, 0);
    fx.cmdRetrieve.Click();
    fx.Winsock.Accept();
    fx.Winsock.Deliver(kReply);
    EXPECT_EQ(fx.lblRealIP.caption, "203.0.113.7");
    EXPECT_EQ(fx.sockets.references, 0);
    EXPECT_EQ(fx.log.Count("WSAStartup"), 0);  // a dotted address needs no lookup
}

}  // namespace
}  // namespace netvik
