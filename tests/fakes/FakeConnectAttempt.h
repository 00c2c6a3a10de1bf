#pragma once
#include <cstdint>

#include "platform/ConnectAttempt.h"

namespace netvik::fakes {

// A TCP connection attempt whose other side a test plays: Answer gives the
// open attempt's outcome.
class FakeConnectAttempt : public platform::ConnectAttempt {
public:
    void Start(std::uint32_t toAddress, std::uint16_t toPort) override {
        ++starts;
        address = toAddress;
        port = toPort;
        open = true;
    }
    void Stop() override { open = false; }

    void Answer(Outcome outcome) {
        if (!open) return;
        open = false;
        if (Answered) Answered(outcome);
    }

    int starts = 0;
    bool open = false;
    std::uint32_t address = 0;
    std::uint16_t port = 0;
};

}  // namespace netvik::fakes
