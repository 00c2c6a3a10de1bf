#pragma once
#include <cstdint>
#include <functional>

namespace netvik::platform {

// One TCP connection attempt that never blocks the GUI thread: Start
// returns at once, and Answered runs on the GUI thread when the other side
// has answered or the attempt has failed. Nothing is sent: the socket
// closes as soon as the answer is in. While an attempt is open it holds a
// start-up of the sockets library of its own.
class ConnectAttempt {
public:
    enum class Outcome : std::uint8_t {
        Connected,  // the other side accepted
        Refused,    // it answered with a reset
        Failed,     // anything else: no route, unreachable, no socket
    };

    virtual ~ConnectAttempt() = default;

    // Connects to a packed address (the first number the lowest byte) and
    // port; an attempt still open is dropped first.
    virtual void Start(std::uint32_t address, std::uint16_t port) = 0;
    // Drops the attempt that is open, if any: no Answered comes for it.
    virtual void Stop() = 0;

    std::function<void(Outcome outcome)> Answered;
};

}  // namespace netvik::platform
