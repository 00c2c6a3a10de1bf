#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace netvik::platform {

// A TCP client connection that never blocks the GUI thread: Connect returns
// at once, and the connection's events run on the GUI thread as things
// happen. Bytes travel as 8-bit text.
class TcpClient {
public:
    virtual ~TcpClient() = default;

    // Resolves the host's name and connects to its port. Connected runs
    // when the connection stands; a failure (no such name, refused, never
    // answered) raises nothing.
    virtual void Connect(const std::string& host, std::uint16_t port) = 0;
    virtual void SendData(const std::string& data) = 0;
    // Every byte that has arrived and not been taken yet.
    virtual std::string GetData() = 0;
    // Ends the connection, whatever state it is in.
    virtual void Close() = 0;

    // This PC's network address as dotted text.
    virtual std::string LocalIP() = 0;

    // The connection stands.
    std::function<void()> Connected;
    // Bytes have arrived: how many are waiting.
    std::function<void(std::int32_t bytesTotal)> DataArrival;
};

}  // namespace netvik::platform
