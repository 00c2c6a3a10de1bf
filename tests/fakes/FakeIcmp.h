#pragma once
#include <cstring>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fakes/CallLog.h"
#include "platform/Icmp.h"

namespace netvik::fakes {

struct EchoRequest {
    platform::IcmpHandle handle;
    std::uint32_t destination;
    std::string data;
    std::uint16_t size;
    platform::IpOptionInformation options;
    std::uint32_t replySize;
    std::uint32_t timeout;
    bool replyZeroed;
};

// An ICMP service whose hosts answer as a test scripts them. By default no
// host answers (status 11010, IP_REQ_TIMED_OUT).
class FakeIcmp : public platform::IcmpService {
public:
    static constexpr std::uint32_t kTimedOut = 11010;

    explicit FakeIcmp(CallLog& log) : log_(log) {}

    // The next requests to destination get these outcomes in turn (true: an
    // echo reply); once they are used up, the host stays silent.
    void Script(std::uint32_t destination, std::initializer_list<bool> outcomes) {
        auto& queue = scripts_[destination];
        queue.insert(queue.end(), outcomes.begin(), outcomes.end());
    }
    void AlwaysAnswer(std::uint32_t destination) { alwaysAnswer_[destination] = true; }
    void StopAnswering(std::uint32_t destination) { alwaysAnswer_.erase(destination); }

    platform::IcmpHandle Open() override {
        ++openHandles;
        return nextHandle_++;
    }
    std::uint32_t SendEcho(platform::IcmpHandle handle, std::uint32_t destination, const void* data, std::uint16_t size,
                           const platform::IpOptionInformation* options, void* reply, std::uint32_t replySize,
                           std::uint32_t timeout) override {
        const auto* bytes = static_cast<const unsigned char*>(reply);
        bool zeroed = true;
        for (std::uint32_t i = 0; i < replySize; ++i) zeroed = zeroed && bytes[i] == 0;
        requests.push_back({handle, destination, std::string(static_cast<const char*>(data), size), size,
                            options != nullptr ? *options : platform::IpOptionInformation{}, replySize, timeout,
                            zeroed});
        log_.Add("Ping " + std::to_string(destination) + " " + std::to_string(timeout));

        if (statusOverride.has_value()) {
            WriteStatus(reply, *statusOverride);
            return repliesOverride;
        }
        const bool answered = Answers(destination);
        WriteStatus(reply, answered ? 0 : kTimedOut);
        if (answered) {
            std::memcpy(static_cast<unsigned char*>(reply) + offsetof(platform::IcmpEchoReply, RoundTripTime),
                        &roundTrip, sizeof roundTrip);
        }
        return answered ? 1 : 0;
    }
    void Close(platform::IcmpHandle) override { --openHandles; }

    // Requests that do not wait: each one pends until the test lands it.
    struct Pending {
        platform::EventHandle event;
        std::uint32_t destination;
        std::uint8_t ttl;
        void* reply;
        std::uint32_t replySize;
        std::uint32_t timeout;
    };
    bool SendsWithoutWaiting() const override { return sendsWithoutWaiting; }
    bool SendEcho2(platform::IcmpHandle, platform::EventHandle event, std::uint32_t destination, const void*,
                   std::uint16_t, const platform::IpOptionInformation* options, void* reply, std::uint32_t replySize,
                   std::uint32_t timeout) override {
        pending.push_back(
            {event, destination, options != nullptr ? options->Ttl : std::uint8_t{0}, reply, replySize, timeout});
        return true;
    }
    std::uint32_t ParseReplies(void* reply, std::uint32_t) override {
        const auto found = counts_.find(reply);
        return found == counts_.end() ? 0 : found->second;
    }
    platform::EventHandle NewEvent() override {
        ++openEvents;
        return nextEvent_++;
    }
    bool EventSet(platform::EventHandle event) override { return set_.count(event) != 0; }
    void CloseEvent(platform::EventHandle) override { --openEvents; }

    // The system is done with the request pending[index]: its reply record
    // says status and address, and replies were counted.
    void Land(std::size_t index, std::uint32_t status, std::uint32_t address = 0, std::uint32_t replies = 0) {
        Pending& request = pending.at(index);
        if (set_.count(request.event) != 0) return;
        platform::IcmpEchoReply record{};
        record.Address = address;
        record.Status = status;
        std::memcpy(request.reply, &record, sizeof record);
        counts_[request.reply] = replies;
        set_.insert(request.event);
    }
    // Every request still pending times out.
    void LandAll() {
        for (std::size_t i = 0; i < pending.size(); ++i) Land(i, kTimedOut);
    }

    bool sendsWithoutWaiting = false;
    std::vector<Pending> pending;
    int openEvents = 0;

    std::vector<EchoRequest> requests;
    int openHandles = 0;
    // Makes every request report this status and reply count.
    std::optional<std::uint32_t> statusOverride;
    std::uint32_t roundTrip = 0;  // what an answered request reports, in milliseconds
    std::uint32_t repliesOverride = 0;

private:
    bool Answers(std::uint32_t destination) {
        if (alwaysAnswer_.count(destination) != 0) return true;
        auto found = scripts_.find(destination);
        if (found == scripts_.end() || found->second.empty()) return false;
        const bool answer = found->second.front();
        found->second.pop_front();
        return answer;
    }
    static void WriteStatus(void* reply, std::uint32_t status) {
        std::memcpy(static_cast<unsigned char*>(reply) + offsetof(platform::IcmpEchoReply, Status), &status,
                    sizeof status);
    }

    CallLog& log_;
    std::map<std::uint32_t, std::deque<bool>> scripts_;
    std::map<std::uint32_t, bool> alwaysAnswer_;
    std::map<void*, std::uint32_t> counts_;
    std::set<platform::EventHandle> set_;
    platform::EventHandle nextEvent_ = 0x500;
    platform::IcmpHandle nextHandle_ = 0x100;
};

}  // namespace netvik::fakes
