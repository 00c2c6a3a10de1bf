#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "net/Trace.h"
#include "platform/Clock.h"
#include "platform/ConnectAttempt.h"
#include "platform/Icmp.h"
#include "platform/Timer.h"

namespace netvik {

// Sends a trace toward the site and gathers its answers without ever
// waiting on the GUI thread: the echo requests of every time-to-live go out
// at once, each with an event the system sets when it is done with the
// request's reply buffer, and a short window timer looks at the events; the
// TCP connection attempt answers through the message loop. Done runs once
// every request and the attempt have answered, or when the trace's time is
// up (whatever has not answered by then counts as silent).
//
// A trace that ends early (Stop, or a new Start) never runs Done; its
// buffers stay until the system is done with them, and what lands in them
// is never read. While kFlights traces' requests are still out, no other
// starts.
class PathTrace {
public:
    static constexpr std::uint32_t kEchoTimeout = 1000;  // each echo request's, milliseconds
    static constexpr std::uint32_t kTraceTime = 1250;    // the whole trace's, the attempt's included
    static constexpr std::uint16_t kSitePort = 443;
    static constexpr std::size_t kFlights = 4;

    // poll is the window timer that looks at the requests (a short interval);
    // the trace switches it on and off.
    PathTrace(platform::IcmpService& icmp, platform::ConnectAttempt& connect, platform::Timer& poll,
              const platform::Clock& clock);
    ~PathTrace();
    PathTrace(const PathTrace&) = delete;
    PathTrace& operator=(const PathTrace&) = delete;

    // Whether the system can send echo requests that do not wait.
    bool Possible() const { return icmp_.SendsWithoutWaiting(); }
    // Starts a trace toward the site (packed address), after ending one
    // under way. False, and nothing sent, where the system cannot (or the
    // requests of kFlights traces are still out).
    bool Start(std::uint32_t site);
    bool Running() const { return current_ != nullptr; }
    // Ends the trace under way, if any: Done does not run for it.
    void Stop();
    // The poll timer's tick.
    void Poll();

    std::function<void(const TraceResult& result)> Done;

private:
    struct Request {
        platform::EventHandle event = 0;
        bool pending = false;
        HopReply reply;
        alignas(platform::IcmpEchoReply) std::array<unsigned char, sizeof(platform::IcmpEchoReply) + 256> buffer{};
    };
    // One trace's requests, kept until the system is done with every one.
    struct Flight {
        platform::IcmpHandle handle = 0;
        std::uint32_t started = 0;
        std::array<Request, kTraceHops> requests;
    };

    void Send(Flight& flight, std::size_t index);
    // Takes in what the system is done with: true when nothing is pending.
    bool Land(Flight& flight, bool read);
    // Closes the flight's handle and events, and frees it once the system is
    // done with it: one it never finishes is left to it.
    void Close(std::unique_ptr<Flight>& flight, bool landed);
    void Finish();
    void Answered(platform::ConnectAttempt::Outcome outcome);

    platform::IcmpService& icmp_;
    platform::ConnectAttempt& connect_;
    platform::Timer& poll_;
    const platform::Clock& clock_;
    std::array<std::unique_ptr<Flight>, kFlights> flights_;  // the traces whose requests are out
    Flight* current_ = nullptr;                              // the running trace's
    std::uint32_t site_ = 0;
    SiteByTcp tcp_ = SiteByTcp::Unknown;  // the attempt's answer, once it is in
};

}  // namespace netvik
