// The TCP connection attempt against loopback inside the test's sandbox
// network, answering through the message loop.
#include <gtest/gtest.h>

#include <vector>

#include "net/AddressText.h"
#include "platform/win32/Win32ConnectAttempt.h"

namespace netvik {
namespace {

using Outcome = platform::ConnectAttempt::Outcome;

TEST(Win32ConnectAttempt, ARefusalAnswersOnceAndADroppedAttemptNever) {
    win32::Win32ConnectAttempt attempt;
    std::vector<Outcome> outcomes;
    attempt.Answered = [&](Outcome answered) { outcomes.push_back(answered); };
    // A loopback port that is bound but not listening refuses.
    WSADATA data;
    ASSERT_EQ(WSAStartup(0x0101, &data), 0);
    const SOCKET bound = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    bind(bound, reinterpret_cast<sockaddr*>(&address), length);
    getsockname(bound, reinterpret_cast<sockaddr*>(&address), &length);

    // No route in the sandbox network: it fails at once, and its answer is
    // on its way when it is dropped.
    attempt.Start(static_cast<std::uint32_t>(AddressToLong("203.0.113.10")), 443);
    attempt.Stop();
    attempt.Start(address.sin_addr.s_addr, ntohs(address.sin_port));
    MSG message;
    for (const DWORD begun = GetTickCount(); GetTickCount() - begun < (outcomes.empty() ? 5000u : 300u); Sleep(5)) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }
    EXPECT_EQ(outcomes, std::vector<Outcome>{Outcome::Refused});
    closesocket(bound);
    WSACleanup();
}

}  // namespace
}  // namespace netvik
