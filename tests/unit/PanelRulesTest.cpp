// The panel's rules and the main window's message boxes, over plain data.
#include <gtest/gtest.h>

#include "addresses/GatewayDiscovery.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeMessageBoxes.h"
#include "monitor/ModalWindows.h"
#include "monitor/PanelRules.h"

namespace netvik {
namespace {

// The logon entry changes only with the applied choice: a box checked while
// the choice is already applied writes no new entry, even after the entry
// was removed by other means.
TEST(PanelRules, OnlyAChangeOfTheAppliedChoiceTouchesTheLogonEntry) {
    const struct {
        std::int16_t box;
        std::uint8_t applied;
        LogonChange change;
    } cases[] = {{0, 0, LogonChange::None}, {1, 0, LogonChange::Write}, {0, 1, LogonChange::Remove},
                 {1, 1, LogonChange::None}, {2, 0, LogonChange::None},  {2, 1, LogonChange::None}};
    for (const auto& c : cases) EXPECT_EQ(LogonChangeOf(c.box, c.applied), c.change) << c.box << '/' << +c.applied;
}

TEST(PanelRules, AMessageBoxStandsAloneWhileTheMainWindowIsHidden) {
    fakes::CallLog log;
    fakes::FakeMessageBoxes system{log};
    fakes::FakeWindow mainWindow{log};
    ModalWindows boxes{system, mainWindow};
    boxes.Show("hidden", "", platform::MessageIcon::Error);
    mainWindow.visible = true;
    boxes.Show("shown", "", platform::MessageIcon::Error);
    ASSERT_EQ(system.shown.size(), 2U);
    EXPECT_EQ(system.shown[0].place, platform::MessagePlace::Alone);
    EXPECT_EQ(system.shown[1].place, platform::MessagePlace::OverWindow);
}

TEST(PanelRules, TheSystemsGatewaysWithoutTheEmptyOnesAndNoMoreThanEight) {
    fakes::FakeNetworkConfig network;
    network.gateways = {"", "0.0.0.0", "10.0.0.1", "1", "2", "3", "4", "5", "6", "7", "8"};
    EXPECT_EQ(SystemGateways(network), (std::vector<std::string>{"10.0.0.1", "1", "2", "3", "4", "5", "6", "7"}));
}

}  // namespace
}  // namespace netvik
