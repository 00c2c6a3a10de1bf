#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace netvik::platform {

// A TCP client connection that never blocks the GUI thread: Connect returns
// at once, and the connection's events run on the GUI thread as things
// happen. Bytes travel as 8-bit text. It also looks up host names the same
// way, without blocking.
class TcpClient {
public:
    virtual ~TcpClient() = default;

    // Resolves the host's name and connects to its port. Connected runs
    // when the connection stands, Closed when it cannot be made (no such
    // name, refused); one that is never answered raises nothing.
    virtual void Connect(const std::string& host, std::uint16_t port) = 0;
    virtual void SendData(const std::string& data) = 0;
    // Every byte that has arrived and not been taken yet.
    virtual std::string GetData() = 0;
    // Ends the connection, whatever state it is in, and any lookup; no event
    // of either comes after.
    virtual void Close() = 0;

    // Looks up a host name's first IPv4 address; Resolved runs with it as
    // dotted text, or with "" when the name cannot be resolved.
    virtual void Resolve(const std::string& hostName) = 0;

    // The connection stands.
    std::function<void()> Connected;
    // Bytes have arrived: how many are waiting.
    std::function<void(std::int32_t bytesTotal)> DataArrival;
    // The connection ended without Close, or could not be made: the server
    // closed it (what it sent before comes first, as DataArrival), reset it,
    // or refused it.
    std::function<void()> Closed;
    // A lookup of Resolve has its answer.
    std::function<void(const std::string& address)> Resolved;
};

}  // namespace netvik::platform
