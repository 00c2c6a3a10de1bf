#include <gtest/gtest.h>

#include "contract/RegistryContract.h"
#include "fakes/FakeRegistry.h"

namespace netvik {

INSTANTIATE_TYPED_TEST_SUITE_P(InMemory, RegistryContract, fakes::FakeRegistry);

namespace {

TEST(RegistryErrors, ExactlyTheEightCodesStopAnOperation) {
    for (std::int32_t code = -1; code < 1000; ++code) {
        const bool expected =
            code == 2 || code == 3 || code == 4 || code == 5 || code == 6 || code == 7 || code == 87 || code == 259;
        EXPECT_EQ(modWinReg::IsRegError(code), expected) << code;
    }
}

class RegistryFailures : public ::testing::Test {
protected:
    fakes::FakeRegistry registry;
    modWinReg reg{registry};
};

TEST_F(RegistryFailures, TextIsHandedOverWithoutATerminatingNul) {
    reg.SaveRegValue(platform::kLocalMachine, "Software", "Netvik", "Internet", "1.1.1.1");
    const auto* stored = registry.Find("Software\\Netvik", "Internet");
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->type, platform::kRegSz);
    EXPECT_EQ(stored->bytes, "1.1.1.1");
}

TEST_F(RegistryFailures, RefusedWriteLeavesAccessDeniedAndNothingStored) {
    registry.DenyWritesUnder("Software\\Netvik");
    reg.SaveRegValue(platform::kLocalMachine, "Software", "Netvik", "Host", "192.168.0.1");
    EXPECT_EQ(reg.LastRegError, 5);
    EXPECT_EQ(registry.Find("Software\\Netvik", "Host"), nullptr);
    EXPECT_EQ(registry.OpenHandles(), 0);
}

TEST_F(RegistryFailures, RefusedWriteIntoAnExistingKeyClosesIt) {
    registry.Put("Software\\Netvik", "Host", platform::kRegSz, "old");
    registry.DenyWritesUnder("Software\\Netvik");
    reg.SaveRegValue(platform::kLocalMachine, "Software", "Netvik", "Host", "new");
    EXPECT_EQ(reg.LastRegError, 5);
    EXPECT_EQ(registry.Find("Software\\Netvik", "Host")->bytes, "old");
    EXPECT_EQ(registry.OpenHandles(), 0);
}

TEST_F(RegistryFailures, EveryOperationClosesWhatItOpened) {
    reg.SaveRegValue(platform::kLocalMachine, "Software", "Netvik", "Host", "x");
    reg.GetRegValue(platform::kLocalMachine, "Software", "Netvik", "Host");
    reg.GetRegValue(platform::kLocalMachine, "Software", "Netvik", "Missing");
    registry.Put("Software\\Netvik", "Dword", 4, "1234");
    reg.GetRegValue(platform::kLocalMachine, "Software", "Netvik", "Dword");
    reg.DeleteRegValue(platform::kLocalMachine, "Software", "Netvik", "Missing");
    reg.DeleteRegValue(platform::kLocalMachine, "Software", "Netvik", "Host");
    EXPECT_EQ(registry.OpenHandles(), 0);
}

}  // namespace
}  // namespace netvik
