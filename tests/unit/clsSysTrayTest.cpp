#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "fakes/FakeSystem.h"

namespace netvik {
namespace {

using fakes::FakeShell;
using fakes::FakeSystem;
using platform::NotifyMessage;
using platform::WindowState;

class SysTray : public ::testing::Test {
protected:
    // The owner's part: the task-list flag, and the sockets library held
    // while the panel is open.
    SysTray() {
        tray.SourceWindow({fx.form, fx.Timer});
        tray.WentToTray = [this] { shownInTaskList = false; };
        tray.Restored = [this] {
            shownInTaskList = true;
            fx.winsock.StartWinsock();
        };
    }

    void Callback(std::int32_t code) { fx.form.hook->Callback(code); }

    FakeSystem fx;
    Bool16 shownInTaskList{true};
    clsSysTray tray{fx.shell};
};

// The record exactly as the shell receives it.
std::vector<unsigned char> BytesOf(const platform::NotifyIconData& record) {
    std::vector<unsigned char> bytes(sizeof record);
    std::memcpy(bytes.data(), &record, sizeof record);
    return bytes;
}

template <typename T>
T At(const std::vector<unsigned char>& bytes, std::size_t offset) {
    T value;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

TEST_F(SysTray, RecordHoldsTheFieldsAtTheirOffsets) {
    tray.ChangeIcon(0x1234);
    tray.ChangeToolTip("Connected to the Internet.");
    const auto bytes = BytesOf(tray.Record());
    const std::size_t handle = sizeof(void*);

    ASSERT_EQ(bytes.size(), handle == 4 ? 88U : 104U);
    EXPECT_EQ(At<std::uint32_t>(bytes, 0), bytes.size());                  // cbSize
    EXPECT_EQ(At<std::uintptr_t>(bytes, handle), fx.form.hook->Handle());  // hWnd
    EXPECT_EQ(At<std::uint32_t>(bytes, 2 * handle), 1U);                   // uID
    EXPECT_EQ(At<std::uint32_t>(bytes, 2 * handle + 4), 7U);               // uFlags
    EXPECT_EQ(At<std::uint32_t>(bytes, 2 * handle + 8), 0x200U);           // uCallbackMessage
    EXPECT_EQ(At<std::uintptr_t>(bytes, handle == 4 ? 20 : 32), 0x1234U);  // hIcon
    const std::size_t tip = handle == 4 ? 24 : 40;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[tip])), "Connected to the Internet.");
    // One NUL after the tip, then blanks to the end of the 64-byte field.
    EXPECT_EQ(bytes[tip + 26], 0);
    for (std::size_t i = tip + 27; i < tip + 64; ++i) EXPECT_EQ(bytes[i], ' ') << i;
}

TEST_F(SysTray, TipIsEmptyAndIconZeroAtCreation) {
    FakeSystem other;
    clsSysTray fresh(other.shell);
    const auto& record = fresh.Record();
    EXPECT_EQ(record.hIcon, 0U);
    for (const char c : record.szTip) EXPECT_EQ(c, '\0');
}

TEST_F(SysTray, LongestTipReachesTheShellWholeWithItsCarriageReturn) {
    const std::string tip = "Network error. Check networkcard,\rcable, host, networksettings.";
    ASSERT_EQ(tip.size(), 63U);
    tray.MinToSysTray();
    tray.ChangeToolTip(tip);
    EXPECT_EQ(FakeShell::TipOf(fx.shell.Icon()), tip);
    EXPECT_EQ(fx.shell.Icon().szTip[63], '\0');
}

TEST_F(SysTray, TipOfSixtyFourOrMoreIsCutToSixtyThreeAndStaysTerminated) {
    for (const std::size_t length : {64U, 65U, 300U}) {
        tray.ChangeToolTip(std::string(length, 'x'));
        EXPECT_EQ(FakeShell::TipOf(tray.Record()), std::string(63, 'x'));
        EXPECT_EQ(tray.Record().szTip[63], '\0');
    }
}

TEST_F(SysTray, TipBecomesTheCaptionOnlyWhileMinimized) {
    tray.ChangeToolTip("first");
    EXPECT_EQ(fx.form.caption, "Netvik");
    fx.form.state = WindowState::Minimized;
    tray.ChangeToolTip("No Internet connection,\rcheck the internetsettings.");
    EXPECT_EQ(fx.form.caption, "No Internet connection,\rcheck the internetsettings.");
    fx.form.state = WindowState::Maximized;
    tray.ChangeToolTip("third");
    EXPECT_EQ(fx.form.caption, "No Internet connection,\rcheck the internetsettings.");
}

TEST_F(SysTray, PictureAndTipSetBeforeTheIconIsShownAppearWithIt) {
    tray.ChangeIcon(0x77);
    tray.ChangeToolTip("Checking internet connection...");
    EXPECT_FALSE(fx.shell.Shown());
    tray.MinToSysTray();
    ASSERT_TRUE(fx.shell.Shown());
    EXPECT_EQ(fx.shell.Icon().hIcon, 0x77U);
    EXPECT_EQ(FakeShell::TipOf(fx.shell.Icon()), "Checking internet connection...");
}

TEST_F(SysTray, MinimizingTwiceLeavesOneIconAndTheWindowHidden) {
    fx.form.visible = true;
    tray.MinToSysTray();
    tray.MinToSysTray();
    EXPECT_EQ(fx.shell.icons.size(), 1U);
    EXPECT_FALSE(fx.form.visible);
    EXPECT_FALSE(shownInTaskList);
    EXPECT_EQ(fx.shell.calls[1].message, NotifyMessage::Add);
    EXPECT_FALSE(fx.shell.calls[1].accepted);
}

TEST_F(SysTray, RemoveRefreshesTheIdentityFieldsAndDeletesTheIcon) {
    tray.MinToSysTray();
    tray.RemoveFromSysTray();
    EXPECT_FALSE(fx.shell.Shown());
    const auto& call = fx.shell.calls.back();
    EXPECT_EQ(call.message, NotifyMessage::Delete);
    EXPECT_EQ(call.record.cbSize, sizeof(platform::NotifyIconData));
    EXPECT_EQ(call.record.hWnd, fx.form.hook->Handle());
    EXPECT_EQ(call.record.uID, 1U);
}

TEST_F(SysTray, MovesClicksAndOtherButtonsChangeNothing) {
    int raised = 0;
    tray.RButtonUp = [&] { ++raised; };
    tray.MinToSysTray();
    fx.log.Clear();
    for (const std::int32_t code : {0x200, 0x201, 0x202, 0x204, 0x206, 0x207, 0x208, 0x209}) Callback(code);
    EXPECT_EQ(raised, 0);
    EXPECT_TRUE(fx.log.Entries().empty());
    EXPECT_TRUE(fx.shell.Shown());
}

TEST_F(SysTray, RightButtonReleaseRaisesTheEvent) {
    int raised = 0;
    tray.RButtonUp = [&] { ++raised; };
    Callback(0x205);
    EXPECT_EQ(raised, 1);
}

TEST_F(SysTray, CallbacksDuringDispatchAreDroppedNotQueued) {
    int raised = 0;
    tray.RButtonUp = [&] {
        ++raised;
        Callback(0x205);  // a second release while the first one's menu is open
        Callback(0x203);  // and a double-click
    };
    tray.MinToSysTray();
    Callback(0x205);
    EXPECT_EQ(raised, 1);
    EXPECT_TRUE(fx.shell.Shown());  // the double-click did not restore
    Callback(0x205);
    EXPECT_EQ(raised, 2);  // accepted again once the first dispatch ended
}

TEST_F(SysTray, BusyFlagClearsEvenWhenTheHandlerEndsTheProgram) {
    int raised = 0;
    tray.RButtonUp = [&] {
        ++raised;
        fx.application.End();
    };
    EXPECT_THROW(Callback(0x205), fakes::ProgramEnded);
    EXPECT_THROW(Callback(0x205), fakes::ProgramEnded);
    EXPECT_EQ(raised, 2);
}

// A shell that starts afresh (after a crash or a restart) has no icon.
TEST_F(SysTray, AFreshShellGetsTheIconAsItWasUnlessThePanelIsShown) {
    tray.ChangeIcon(0x77);
    tray.ChangeToolTip("Connected to the Internet.");
    tray.MinToSysTray();
    const auto shown = BytesOf(fx.shell.Icon());
    fx.shell.icons.clear();
    fx.form.hook->TaskbarCreated();
    EXPECT_EQ(BytesOf(fx.shell.Icon()), shown);
    Callback(0x203);
    fx.form.hook->TaskbarCreated();
    EXPECT_FALSE(fx.shell.Shown());
}

TEST_F(SysTray, DoubleClickRestoresThePanelInSixSteps) {
    fx.form.state = WindowState::Minimized;
    tray.MinToSysTray();
    fx.Timer.enabled = true;
    fx.log.Clear();

    Callback(0x203);

    EXPECT_FALSE(fx.Timer.enabled);
    EXPECT_EQ(fx.form.state, WindowState::Normal);
    EXPECT_TRUE(shownInTaskList);
    EXPECT_FALSE(fx.shell.Shown());
    EXPECT_TRUE(fx.form.visible);
    EXPECT_EQ(fx.winsock.PendingStartups(), 1);
    EXPECT_EQ(fx.log.Entries(),
              (std::vector<std::string>{"Timer off", "State form 0", "Shell Delete", "Show form", "WSAStartup"}));
}

}  // namespace
}  // namespace netvik
