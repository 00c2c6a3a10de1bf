// The TCP client against a server on loopback, inside the test's sandbox
// network: events arrive through the message loop, never blocking it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/Win32TcpClient.h"

namespace netvik {
namespace {

// A one-connection server on 127.0.0.1, in a thread of its own: it reads
// what the client sends, then answers and closes.
class LoopbackServer {
public:
    explicit LoopbackServer(std::string answer) : answer_(std::move(answer)) {
        WSADATA data;
        WSAStartup(0x0101, &data);
        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        int length = sizeof address;
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port = ntohs(address.sin_port);
        listen(listener_, 1);
        thread_ = CreateThread(nullptr, 0, &LoopbackServer::Serve, this, 0, nullptr);
    }
    ~LoopbackServer() {
        closesocket(listener_);
        WaitForSingleObject(thread_, 5000);
        CloseHandle(thread_);
        WSACleanup();
    }

    std::uint16_t port = 0;
    std::string received;

private:
    static DWORD WINAPI Serve(void* self) {
        auto& server = *static_cast<LoopbackServer*>(self);
        const SOCKET client = accept(server.listener_, nullptr, nullptr);
        if (client == INVALID_SOCKET) return 0;
        char buffer[256];
        while (server.received.find("Quit\r\n") == std::string::npos) {
            const int got = recv(client, buffer, sizeof buffer, 0);
            if (got <= 0) break;
            server.received.append(buffer, static_cast<std::size_t>(got));
        }
        send(client, server.answer_.data(), static_cast<int>(server.answer_.size()), 0);
        closesocket(client);
        return 0;
    }

    std::string answer_;
    SOCKET listener_;
    HANDLE thread_;
};

// Runs the message loop until done() holds or the time is up.
template <typename Done>
bool PumpUntil(Done done, DWORD milliseconds = 5000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > milliseconds) return false;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        Sleep(1);
    }
    return true;
}

TEST(TcpClient, ConnectsSendsAndCollectsTheAnswerThroughEvents) {
    LoopbackServer server("220 Hi\r\n221 Goodbye.\r\n");
    win32::Win32TcpClient client;
    bool connected = false;
    std::string reply;
    client.Connected = [&] {
        connected = true;
        client.SendData("User anonymous\r\nQuit\r\n");
    };
    client.DataArrival = [&](std::int32_t waiting) {
        EXPECT_GT(waiting, 0);
        reply += client.GetData();
    };
    client.Connect("127.0.0.1", server.port);  // returns at once
    EXPECT_FALSE(connected);
    ASSERT_TRUE(PumpUntil([&] { return reply.find("221") != std::string::npos; }));
    EXPECT_TRUE(connected);
    EXPECT_EQ(reply, "220 Hi\r\n221 Goodbye.\r\n");
    EXPECT_EQ(server.received, "User anonymous\r\nQuit\r\n");
    client.Close();
}

TEST(TcpClient, AServerThatClosesOrRefusesRaisesClosedAfterWhatItSent) {
    std::string events;
    win32::Win32TcpClient client;
    client.Connected = [&] { client.SendData("Quit\r\n"); };
    client.DataArrival = [&](std::int32_t) { events += client.GetData(); };
    client.Closed = [&] { events += "<closed>"; };
    {
        LoopbackServer server("220 Hi\r\n");  // answers, then closes without a goodbye
        client.Connect("127.0.0.1", server.port);
        EXPECT_TRUE(PumpUntil([&] { return events.find("<closed>") != std::string::npos; }));
    }
    EXPECT_EQ(events, "220 Hi\r\n<closed>");

    std::uint16_t closedPort = 0;
    {
        LoopbackServer gone("");  // a port that was just free, and is closed again
        closedPort = gone.port;
    }
    events.clear();
    client.Connect("127.0.0.1", closedPort);
    EXPECT_TRUE(PumpUntil([&] { return !events.empty(); }));
    EXPECT_EQ(events, "<closed>");
}

TEST(TcpClient, HoldsTheSocketsLibraryOnlyWhileItsConnectionIsOpen) {
    win32::Win32TcpClient client;
    client.Connect("127.0.0.1", 9);
    // Nobody else has started the library: the client's own start-up holds it.
    EXPECT_NE(gethostbyname("127.0.0.1"), nullptr);
    client.Close();
    EXPECT_EQ(gethostbyname("127.0.0.1"), nullptr);
    EXPECT_EQ(WSAGetLastError(), WSANOTINITIALISED);
    client.Close();  // a second close releases nothing more
}

}  // namespace
}  // namespace netvik
