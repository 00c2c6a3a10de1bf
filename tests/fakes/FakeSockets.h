#pragma once
#include "fakes/CallLog.h"
#include "platform/Sockets.h"

namespace netvik::fakes {

// The sockets library, with the reference count the real one keeps: a
// clean-up without a start-up fails as the platform's does.
class FakeSockets : public platform::SocketsLibrary {
public:
    explicit FakeSockets(CallLog& log) : log_(log) {}

    std::int32_t Startup(std::uint16_t requested, std::uint16_t& wVersion) override {
        log_.Add("WSAStartup");
        requestedVersion = requested;
        if (startupResult != 0) return startupResult;
        wVersion = version;
        ++references;
        return 0;
    }
    std::int32_t Cleanup() override {
        log_.Add("WSACleanup");
        if (cleanupResult != 0) return cleanupResult;
        if (references == 0) return -1;  // WSANOTINITIALISED
        --references;
        return 0;
    }

    std::int32_t startupResult = 0;
    std::int32_t cleanupResult = 0;
    std::uint16_t version = 0x0101;
    std::uint16_t requestedVersion = 0;
    int references = 0;

private:
    CallLog& log_;
};

}  // namespace netvik::fakes
