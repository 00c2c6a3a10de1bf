#include <gtest/gtest.h>

#include "addresses/AddressFields.h"
#include "fakes/FakeSystem.h"

namespace netvik {
namespace {

using fakes::FakeSystem;

constexpr char kInvalidMessage[] =
    "One or more IP-addresses are invalid!\rIP-addresses should be of the following form:\r\rx.x.x.x (with x ranging "
    "from 0 to 255)";

TEST(AddressKeyFilter, PassesExactlyDigitsDotAndBackspace) {
    for (int code = -128; code < 256; ++code) {
        auto key = static_cast<std::int16_t>(code);
        FilterAddressKey(key);
        const bool passes = (code >= '0' && code <= '9') || code == '.' || code == 8;
        EXPECT_EQ(key, passes ? code : 0) << code;
    }
}

class AddressFields : public ::testing::Test {
protected:
    AddressFields() {
        fx.StoreSettings("127.0.0.1", "127.0.0.2", "127.0.0.3", "4");
        form.Form_Load();
        fx.form.hook->Callback(0x203);  // the panel is open
        fx.log.Clear();
    }

    FakeSystem fx;
    frmNetvikmain form{fx.Services(), fx.Controls()};
};

TEST_F(AddressFields, TypingAnAddressIsAcceptedInFull) {
    for (fakes::FakeTextBox* box : {&fx.txtIIP, &fx.txtHIP, &fx.txtCIP}) {
        box->SetText("");
        box->Type("192.168.0.1");
        EXPECT_EQ(box->Text(), "192.168.0.1");
    }
}

TEST_F(AddressFields, LettersBlanksSignsAndClipboardKeysAreSwallowed) {
    fx.txtHIP.SetText("10.0.0.1");
    fx.txtHIP.Type("a -,+x");
    fx.txtHIP.Type("\x03\x16\x18");  // Ctrl+C, Ctrl+V, Ctrl+X
    EXPECT_EQ(fx.txtHIP.Text(), "10.0.0.1");
}

TEST_F(AddressFields, BackspaceWorksAndASixteenthCharacterDoesNot) {
    fx.txtCIP.SetText("");
    fx.txtCIP.Type("255.255.255.2555");
    EXPECT_EQ(fx.txtCIP.Text(), "255.255.255.255");
    fx.txtCIP.Type("\b\b\b1");
    EXPECT_EQ(fx.txtCIP.Text(), "255.255.255.1");
}

TEST_F(AddressFields, SliderShowsItsValueAtOnceAndCancelKeepsTheRate) {
    fx.sldRefresh.SetValue(7);
    form.sldRefresh_Scroll();
    EXPECT_EQ(fx.lblRefreshRate.caption, "Refreshrate (minutes): 7");
    EXPECT_EQ(form.State().RefreshMinutes, 4);
    form.cmdCancel_Click();
    EXPECT_EQ(form.State().RefreshMinutes, 4);
    EXPECT_EQ(fx.sldRefresh.value, 4);
    EXPECT_EQ(fx.lblRefreshRate.caption, "Refreshrate (minutes): 4");
}

TEST_F(AddressFields, OkWithAnInvalidAddressReportsOnceAndReopensThePanel) {
    for (const char* bad : {"0.0.0.0", "", "256.1.1.1"}) {
        for (fakes::FakeTextBox* box : {&fx.txtIIP, &fx.txtHIP, &fx.txtCIP}) {
            FakeSystem& f = fx;
            f.messages.shown.clear();
            const std::string good = box->Text();
            box->SetText(bad);
            form.cmdSave_Click();
            f.Timer.enabled = true;
            form.cmdOK_Click();
            ASSERT_EQ(f.messages.shown.size(), 1U) << bad;
            EXPECT_EQ(f.messages.shown[0].text, kInvalidMessage);
            EXPECT_EQ(f.messages.shown[0].title, "Error");
            EXPECT_EQ(f.messages.shown[0].icon, platform::MessageIcon::Error);
            EXPECT_TRUE(f.form.visible);
            EXPECT_FALSE(f.cmdSave.enabled);
            EXPECT_FALSE(f.Timer.enabled);
            EXPECT_FALSE(form.State().SaveRequested);
            box->SetText(good);
        }
    }
    // Three invalid boxes still give one message.
    fx.messages.shown.clear();
    fx.txtIIP.SetText("x");
    fx.txtHIP.SetText("");
    fx.txtCIP.SetText("1.2.3");
    form.cmdOK_Click();
    EXPECT_EQ(fx.messages.shown.size(), 1U);
    EXPECT_EQ(fx.registryStore.writes, 0);
}

}  // namespace
}  // namespace netvik
