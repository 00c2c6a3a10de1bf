#include "net/PathTrace.h"

namespace netvik {

namespace {

constexpr char kEchoData[] = "Hello?";
constexpr std::uint16_t kEchoDataSize = 6;
// A request the system never finishes (it always does, at its time-out) is
// given up after this long.
constexpr std::uint32_t kGiveUp = 10000;

}  // namespace

PathTrace::PathTrace(platform::IcmpService& icmp, platform::ConnectAttempt& connect, platform::Timer& poll,
                     const platform::Clock& clock)
    : icmp_(icmp), connect_(connect), poll_(poll), clock_(clock) {
    connect_.Answered = [this](platform::ConnectAttempt::Outcome outcome) { Answered(outcome); };
}

PathTrace::~PathTrace() {
    connect_.Stop();
    connect_.Answered = nullptr;
    for (std::unique_ptr<Flight>& flight : flights_) {
        if (flight != nullptr) Close(flight, Land(*flight, false));
    }
}

bool PathTrace::Start(std::uint32_t site) {
    Stop();
    std::unique_ptr<Flight>* slot = flights_.begin();
    while (slot != flights_.end() && *slot != nullptr) ++slot;
    if (!Possible() || slot == flights_.end()) return false;
    const platform::IcmpHandle handle = icmp_.Open();
    if (handle == platform::kNoIcmpHandle) return false;
    *slot = std::make_unique<Flight>();
    current_ = slot->get();
    current_->handle = handle;
    current_->started = clock_.Milliseconds();
    site_ = site;
    tcp_ = SiteByTcp::Unknown;
    for (std::size_t i = 0; i < kTraceHops; ++i) Send(*current_, i);
    connect_.Start(site, kSitePort);
    poll_.SetEnabled(true);
    return true;
}

void PathTrace::Send(Flight& flight, std::size_t index) {
    Request& request = flight.requests[index];
    // Without an event the request would wait: it is not sent.
    request.event = icmp_.NewEvent();
    if (request.event == 0) return;
    platform::IpOptionInformation options{};
    options.Ttl = static_cast<std::uint8_t>(index + 1);
    request.pending = icmp_.SendEcho2(flight.handle, request.event, site_, kEchoData, kEchoDataSize, &options,
                                      request.buffer.data(), request.buffer.size(), kEchoTimeout);
    if (!request.pending) {
        request.reply = ReadReply(request.buffer.data(), request.buffer.size(),
                                  icmp_.ParseReplies(request.buffer.data(), request.buffer.size()));
    }
}

bool PathTrace::Land(Flight& flight, bool read) {
    bool landed = true;
    for (Request& request : flight.requests) {
        if (!request.pending) continue;
        if (!icmp_.EventSet(request.event)) {
            landed = false;
            continue;
        }
        request.pending = false;
        if (read) {
            request.reply = ReadReply(request.buffer.data(), request.buffer.size(),
                                      icmp_.ParseReplies(request.buffer.data(), request.buffer.size()));
        }
    }
    return landed;
}

void PathTrace::Close(std::unique_ptr<Flight>& flight, bool landed) {
    for (const Request& request : flight->requests) {
        if (request.event != 0) icmp_.CloseEvent(request.event);
    }
    icmp_.Close(flight->handle);
    if (landed) {
        flight.reset();
    } else {
        flight.release();  // the system may still write into it
    }
}

void PathTrace::Stop() {
    if (current_ == nullptr) return;
    current_ = nullptr;
    connect_.Stop();
}

void PathTrace::Poll() {
    const std::uint32_t now = clock_.Milliseconds();
    bool echoesIn = false, out = false;
    for (std::unique_ptr<Flight>& flight : flights_) {
        if (flight == nullptr) continue;
        const bool current = flight.get() == current_;
        const bool landed = Land(*flight, current);
        if (current) {
            echoesIn = landed;
        } else if (landed || now - flight->started >= kGiveUp) {
            Close(flight, landed);
        }
        out = out || flight != nullptr;
    }
    if (current_ != nullptr && ((echoesIn && tcp_ != SiteByTcp::Unknown) || now - current_->started >= kTraceTime)) {
        Finish();
    }
    if (!out) poll_.SetEnabled(false);
}

void PathTrace::Finish() {
    std::array<HopReply, kTraceHops> hops;
    for (std::size_t i = 0; i < kTraceHops; ++i) hops[i] = current_->requests[i].reply;
    Stop();
    TraceResult result;
    result.path = ReadHops(hops, site_);
    result.tcp = tcp_ == SiteByTcp::Unknown ? SiteByTcp::Silent : tcp_;
    if (Done) Done(result);
}

void PathTrace::Answered(platform::ConnectAttempt::Outcome outcome) {
    if (current_ == nullptr) return;
    tcp_ = outcome == platform::ConnectAttempt::Outcome::Failed ? SiteByTcp::Silent : SiteByTcp::Answers;
}

}  // namespace netvik
