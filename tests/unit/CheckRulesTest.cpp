// The check cycle's and the countdown's rules, over plain data.
#include <gtest/gtest.h>

#include <vector>

#include "monitor/CheckRules.h"
#include "monitor/ImageList.h"

namespace netvik {
namespace {

// Which positions answer on which attempt (a set bit per attempt), the
// requests then sent as position and time-out, and what the tray shows.
TEST(CheckRules, TheFirstPositionToAnswerDecidesAndNothingAfterItIsAsked) {
    const std::array<std::string, kChainLength> tips = {"I", "H", "C"};
    const struct {
        std::array<int, kChainLength> answers;  // bit 0: first attempt, bit 1: second
        std::vector<std::pair<int, int>> asked;
        int verdict;
        const char* icon;
        std::string tip;
    } cases[] = {
        {{3, 3, 3}, {{0, 1000}}, Internet, "IIP", "I"},
        {{2, 3, 0}, {{0, 1000}, {0, 1000}}, Internet, "IIP", "I"},
        {{0, 2, 3}, {{0, 1000}, {0, 1000}, {1, 200}, {1, 200}}, Host, "HIP", "H"},
        {{0, 0, 3}, {{0, 1000}, {0, 1000}, {1, 200}, {1, 200}, {2, 40}}, Computer, "CIP", "C"},
        {{0, 0, 0},
         {{0, 1000}, {0, 1000}, {1, 200}, {1, 200}, {2, 40}, {2, 40}},
         kNoAnswer,
         "e",
         "Network error. Check networkcard,\rcable, host, networksettings."},
    };
    for (const auto& c : cases) {
        std::vector<std::pair<int, int>> asked;
        std::array<int, kChainLength> attempts{};
        const int verdict = FirstToAnswer([&](int position, std::int16_t timeout) {
            asked.emplace_back(position, timeout);
            const auto p = static_cast<std::size_t>(position);
            return (c.answers[p] >> attempts[p]++ & 1) != 0;
        });
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(verdict, c.verdict);
        const VerdictLook look = LookOf(verdict, tips);
        EXPECT_EQ(ImageList::Key(look.icon), c.icon);
        EXPECT_EQ(look.tip, c.tip);
    }
}

// Ticks of the countdown: the minutes left after each, and the ticks that
// bring a check.
TEST(CheckRules, TheCountdownChecksOnEveryNthTickAndNeverUnderflows) {
    const struct {
        std::uint8_t refresh, left;
        std::vector<int> after;
        std::vector<bool> checks;
    } cases[] = {
        {1, 1, {1, 1, 1}, {true, true, true}},
        {4, 4, {3, 2, 1, 4, 3, 2, 1, 4}, {false, false, false, true, false, false, false, true}},
        {5, 0, {5}, {true}},  // found at 0: as due as at 1
    };
    for (const auto& c : cases) {
        std::uint8_t left = c.left;
        std::vector<int> after;
        std::vector<bool> checks;
        for (std::size_t tick = 0; tick < c.after.size(); ++tick) {
            const CountdownStep step = Countdown(left, c.refresh);
            left = step.minutesLeft;
            after.push_back(left);
            checks.push_back(step.checkDue);
        }
        EXPECT_EQ(after, c.after);
        EXPECT_EQ(checks, c.checks);
    }
}

}  // namespace
}  // namespace netvik
