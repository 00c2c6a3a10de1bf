// The TCP connection attempt against loopback inside the test's sandbox
// network: each outcome arrives through the message loop, once.
#include <gtest/gtest.h>

#include <optional>

#include "net/AddressText.h"
#include "platform/win32/Win32ConnectAttempt.h"

namespace netvik {
namespace {

using Outcome = platform::ConnectAttempt::Outcome;

TEST(Win32ConnectAttempt, AcceptedRefusedAndUnreachableEachAnswerOnceAndADroppedOneNever) {
    win32::Win32ConnectAttempt attempt;
    std::optional<Outcome> outcome;
    attempt.Answered = [&](Outcome answered) { outcome = answered; };
    const auto start = [&](const char* address, std::uint16_t port) {
        outcome.reset();
        attempt.Start(static_cast<std::uint32_t>(AddressToLong(address)), port);
    };
    const auto answer = [&](const char* address, std::uint16_t port) {
        start(address, port);
        MSG message;
        for (const DWORD begun = GetTickCount(); !outcome && GetTickCount() - begun < 5000; Sleep(5)) {
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        }
        return outcome;
    };
    WSADATA data;
    ASSERT_EQ(WSAStartup(0x0101, &data), 0);
    const SOCKET listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    bind(listener, reinterpret_cast<sockaddr*>(&address), length);
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    listen(listener, 1);
    const std::uint16_t port = ntohs(address.sin_port);

    EXPECT_EQ(answer("127.0.0.1", port), Outcome::Connected);
    closesocket(listener);
    EXPECT_EQ(answer("127.0.0.1", port), Outcome::Refused);
    EXPECT_EQ(answer("203.0.113.10", 443), Outcome::Failed);  // no route in the sandbox network
    start("203.0.113.10", 443);  // fails at once; its answer is on its way when it is dropped
    attempt.Stop();
    EXPECT_EQ(answer("127.0.0.1", port), Outcome::Refused);
    WSACleanup();
}

}  // namespace
}  // namespace netvik
