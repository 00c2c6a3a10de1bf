#include <gtest/gtest.h>

#include "addresses/frmIAddress.h"
#include "fakes/FakeSystem.h"

namespace netvik {
namespace {

using fakes::FakeGatewayIPs;
using fakes::FakeIAddress;
using fakes::FakeSystem;

const std::string kNetTrans = "System\\CurrentControlSet\\Services\\Class\\NetTrans\\000";
constexpr char kNoHost[] = "No Hosts or gateways could be found by\rNetvik. Host textbox is made blank.";

std::string Bytes(std::initializer_list<int> numbers) {
    std::string bytes;
    for (const int n : numbers) bytes.push_back(static_cast<char>(n));
    return bytes;
}

// The panel open over stored settings, as after a double-click on the icon.
class AddressButtons : public ::testing::Test {
protected:
    AddressButtons() {
        fx.StoreSettings("127.0.0.1", "127.0.0.2", "127.0.0.3");
        fx.hostNames.Add("netvik-pc", {Bytes({192, 168, 0, 2})});  // a single address: no direct connection
        form.Form_Load();
        fx.form.hook->Callback(0x203);
        fx.log.Clear();
    }
    void Gateway(int subkey, const std::string& value) {
        fx.registryStore.Put(kNetTrans + std::to_string(subkey), "DefaultGateway", platform::kRegSz, value);
    }
    // Presses Host "Get"; the user sees the list and chooses `choice` (-1: Cancel).
    std::vector<std::string> GetHost(int choice = 0) {
        std::vector<std::string> listed;
        fx.gatewayUser = [&](FakeGatewayIPs& dialog) {
            listed = dialog.cboGatewayIPs.items;
            EXPECT_EQ(dialog.cboGatewayIPs.index, 0);  // the first one preselected
            if (choice < 0) return dialog.cmdCancel.Click();
            dialog.cboGatewayIPs.SetListIndex(choice);
            dialog.cmdOK.Click();
        };
        fx.cmdGetH.Click();
        EXPECT_EQ(fx.dialogsLoaded, 0);  // unloaded after every use
        return listed;
    }

    FakeSystem fx;
    frmNetvikmain form{fx.Services(), fx.Controls()};
};

TEST_F(AddressButtons, OneGatewayIsListedAndOkPutsItIntoTheHostBox) {
    Gateway(0, "192.168.0.1");
    fx.txtHIP.SetText("");
    EXPECT_EQ(GetHost(), (std::vector<std::string>{"192.168.0.1"}));
    EXPECT_EQ(fx.txtHIP.text, "192.168.0.1");
    EXPECT_TRUE(fx.messages.shown.empty());
    EXPECT_EQ(fx.network.asked, 0);
}

TEST_F(AddressButtons, EntriesComeInSubkeyOrderThenCommaOrderAsTheyStand) {
    Gateway(0, "192.168.0.1");
    Gateway(1, "10.0.0.1,10.0.0.2, 10.0.0.3");
    Gateway(3, "192.168.0.1");
    EXPECT_EQ(GetHost(3),
              (std::vector<std::string>{"192.168.0.1", "10.0.0.1", "10.0.0.2", " 10.0.0.3", "192.168.0.1"}));
    EXPECT_EQ(fx.txtHIP.text, " 10.0.0.3");
    fx.cmdOK.Click();  // the blank makes it no address
    EXPECT_EQ(fx.messages.shown.back().title, "Error");
    EXPECT_TRUE(fx.form.visible);
}

TEST_F(AddressButtons, NothingPastTheEighthEntryIsKeptAndOnlySevenSubkeysAreRead) {
    Gateway(0, "1.1.1.1,1.1.1.2,1.1.1.3,1.1.1.4,1.1.1.5,1.1.1.6");
    Gateway(1, "2.2.2.1,2.2.2.2,2.2.2.3");
    Gateway(7, "9.9.9.9");
    const auto listed = GetHost();
    ASSERT_EQ(listed.size(), 8U);
    EXPECT_EQ(listed.back(), "2.2.2.2");
    fx.registryStore.RemoveKey(kNetTrans + "0");
    fx.registryStore.RemoveKey(kNetTrans + "1");
    fx.network.gateways = {};
    fx.txtHIP.SetText("keep");
    fx.cmdGetH.Click();  // 0007 does not count: nothing is found
    EXPECT_EQ(fx.txtHIP.text, "");
}

TEST_F(AddressButtons, CancelKeepsTheBoxAndTheNextPressReadsTheRegistryAgain) {
    Gateway(0, "192.168.0.1");
    GetHost(-1);
    EXPECT_EQ(fx.txtHIP.text, "127.0.0.2");
    Gateway(0, "192.168.0.9");
    EXPECT_EQ(GetHost(), (std::vector<std::string>{"192.168.0.9"}));
}

TEST_F(AddressButtons, WithoutAnyGatewayTheBoxIsEmptiedAndTheUserTold) {
    fx.gatewayUser = [](FakeGatewayIPs&) { FAIL() << "no dialog without gateways"; };
    fx.cmdGetH.Click();
    EXPECT_EQ(fx.txtHIP.text, "");
    ASSERT_EQ(fx.messages.shown.size(), 1U);
    EXPECT_EQ(fx.messages.shown[0].text, kNoHost);
    EXPECT_EQ(fx.messages.shown[0].title, "No host found");
    EXPECT_EQ(fx.messages.shown[0].icon, platform::MessageIcon::Error);
    EXPECT_EQ(fx.network.asked, 1);
}

TEST_F(AddressButtons, TheSystemsGatewaysAreOfferedWhenTheRegistryHasNone) {
    fx.network.gateways = {"10.9.0.1", "10.9.0.2"};
    EXPECT_EQ(GetHost(1), (std::vector<std::string>{"10.9.0.1", "10.9.0.2"}));
    EXPECT_EQ(fx.txtHIP.text, "10.9.0.2");
}

TEST_F(AddressButtons, ARegistryEntryLongerThanAnAddressIsListedCut) {
    Gateway(0, std::string(100000, '1'));
    GetHost();
    EXPECT_EQ(fx.txtHIP.text, "111111111111...");
}

TEST_F(AddressButtons, ADirectConnectionPutsThisPcsInternetAddressIntoTheBox) {
    fx.hostNames.Add("netvik-pc", {Bytes({192, 168, 0, 2}), Bytes({81, 169, 1, 9})});
    Gateway(0, "192.168.0.1");
    fx.gatewayUser = [](FakeGatewayIPs&) { FAIL() << "the registry is not searched"; };
    fx.cmdGetH.Click();
    EXPECT_EQ(fx.txtHIP.text, "81.169.1.9");
    ASSERT_EQ(fx.messages.shown.size(), 1U);
    EXPECT_EQ(fx.messages.shown[0].title, "Direct connection to the Internet detected");
    EXPECT_EQ(fx.messages.shown[0].text,
              "You are connected to the internet directly.\rThe Host textbox will show your PC' s Internet "
              "IP-address.");
    EXPECT_EQ(fx.messages.shown[0].icon, platform::MessageIcon::Exclamation);
}

TEST_F(AddressButtons, OnlyARealAddressCountsAsADirectConnection) {
    Gateway(0, "192.168.0.1");
    fx.hostNames.Add("netvik-pc", {Bytes({192, 168, 0, 2}), Bytes({10, 8, 0, 5})});  // a VPN's address
    EXPECT_EQ(GetHost().size(), 1U);
    EXPECT_TRUE(fx.messages.shown.empty());
    fx.hostNames.hostName = "unknown-name";  // "1": cannot be resolved
    EXPECT_EQ(GetHost().size(), 1U);
    fx.hostNames.hostNameError = 10093;  // "" after the host-name error
    EXPECT_EQ(GetHost().size(), 1U);
    EXPECT_EQ(fx.txtHIP.text, "192.168.0.1");
    EXPECT_NE(fx.messages.shown.back().text.find("Windows Socket Error"), std::string::npos);
}

TEST_F(AddressButtons, ComputerGetTakesTheLocalAddress) {
    fx.hostNames.Add("netvik-pc", {Bytes({10, 1, 2, 3}), Bytes({81, 169, 1, 9})});
    fx.cmdGetC.Click();
    EXPECT_EQ(fx.txtCIP.text, "10.1.2.3");
}

TEST(AddressButtonsOnAFirstStart, LookupsHoldTheSocketsLibraryThemselves) {
    FakeSystem fx;
    frmNetvikmain form{fx.Services(), fx.Controls()};
    form.Form_Load();  // the panel opens without a start-up
    fx.hostNames.Add("netvik-pc", {Bytes({192, 168, 0, 2}), Bytes({81, 169, 1, 9})});
    fx.cmdGetH.Click();
    EXPECT_EQ(fx.txtHIP.text, "81.169.1.9");
    EXPECT_EQ(fx.sockets.references, 0);
    EXPECT_GE(fx.log.Count("WSAStartup"), 1);
}

// --- the Internet address dialog

class NameDialog : public AddressButtons {
protected:
    NameDialog() {
        form.State().SiteHostName = "www.example.org";
        fx.hostNames.Add("www.example.org", {Bytes({93, 184, 216, 34})});
        fx.hostNames.Add("www.wikipedia.org", {Bytes({185, 15, 59, 224}), Bytes({185, 15, 59, 225})});
    }
    // Presses "&Name"; the user acts in the dialog.
    void Name(const std::function<void(FakeIAddress&)>& user) {
        fx.iaddressUser = [&](FakeIAddress& dialog) {
            opened = dialog.txtURL.text;
            user(dialog);
        };
        fx.cmdIname.Click();
        EXPECT_EQ(fx.dialogsLoaded, 0);
    }
    std::string opened;
};

TEST_F(NameDialog, OpensWithTheSiteAndCancelAfterEditingChangesNothing) {
    Name([](FakeIAddress& d) {
        d.txtURL.SetText("other.example");
        d.cmdCancel.Click();
    });
    EXPECT_EQ(opened, "www.example.org");
    EXPECT_EQ(form.State().SiteHostName, "www.example.org");
    EXPECT_EQ(fx.txtIIP.text, "127.0.0.1");
}

TEST_F(NameDialog, ResetBringsBackTheOpeningNameNotTheDefault) {
    Name([](FakeIAddress& d) {
        d.txtURL.SetText("other.example");
        d.form.Resize();  // a later size change does not move the opening name
        d.cmdReset.Click();
        EXPECT_EQ(d.txtURL.text, "www.example.org");
        EXPECT_TRUE(d.form.visible);
        d.cmdCancel.Click();
    });
}

TEST_F(NameDialog, DefaultThenOkTakesTheDefaultSitesFirstAddress) {
    Name([](FakeIAddress& d) {
        d.cmdDefault.Click();
        EXPECT_EQ(d.txtURL.text, "www.wikipedia.org");
        d.cmdOK.Click();
    });
    EXPECT_EQ(fx.txtIIP.text, "185.15.59.224");
    EXPECT_EQ(form.State().SiteHostName, "www.wikipedia.org");
}

TEST_F(NameDialog, ADottedAddressResolvesToItself) {
    Name([](FakeIAddress& d) {
        d.txtURL.SetText("203.0.113.5");
        d.cmdOK.Click();
    });
    EXPECT_EQ(fx.txtIIP.text, "203.0.113.5");
    EXPECT_EQ(form.State().SiteHostName, "203.0.113.5");
}

TEST_F(NameDialog, AFailedLookupOrAnEmptyNameIsReportedAndTheDialogStays) {
    Name([&](FakeIAddress& d) {
        d.txtURL.SetText("no-such-host.example");
        d.cmdOK.Click();
        EXPECT_TRUE(d.form.visible);
        d.txtURL.SetText("");
        d.cmdOK.Click();
        EXPECT_TRUE(d.form.visible);
        d.form.QueryUnload();  // the close box is Cancel
    });
    ASSERT_EQ(fx.messages.shown.size(), 2U);
    EXPECT_EQ(fx.messages.shown[0].text, "Can' t resolve host!");
    EXPECT_EQ(fx.messages.shown[1].text, "No hostname given!");
    EXPECT_EQ(fx.messages.shown[1].title, "Error");
    EXPECT_EQ(fx.messages.shown[1].icon, platform::MessageIcon::Error);
    EXPECT_EQ(form.State().SiteHostName, "www.example.org");
    EXPECT_EQ(fx.txtIIP.text, "127.0.0.1");
}

TEST_F(NameDialog, AStoredNameLongerThanTheBoxEntersCutAndComesBackWhole) {
    const std::string stored(70000, 'x');
    form.State().SiteHostName = stored;
    Name([](FakeIAddress& d) { d.cmdCancel.Click(); });
    EXPECT_EQ(opened, std::string(63, 'x'));
    EXPECT_EQ(form.State().SiteHostName, stored);
}

TEST(HostNameKeyFilter, PassesLettersDigitsHyphenDotAndBackspace) {
    for (int code = -128; code < 256; ++code) {
        auto key = static_cast<std::int16_t>(code);
        FilterHostNameKey(key);
        const bool passes = (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') ||
                            (code >= '0' && code <= '9') || code == '-' || code == '.' || code == 8;
        EXPECT_EQ(key, passes ? code : 0) << code;
    }
}

}  // namespace
}  // namespace netvik
