#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "fakes/CallLog.h"
#include "platform/TcpClient.h"

namespace netvik::fakes {

// A TCP client whose server a test plays: Accept raises Connected, Deliver
// hands over bytes as they would arrive, in the pieces the test chooses.
class FakeTcpClient : public platform::TcpClient {
public:
    explicit FakeTcpClient(CallLog& log) : log_(log) {}

    void Connect(const std::string& toHost, std::uint16_t toPort) override {
        log_.Add("Tcp connect " + toHost + ":" + std::to_string(toPort));
        host = toHost;
        port = toPort;
        open = true;
        waiting.clear();
    }
    void SendData(const std::string& data) override { sent.push_back(data); }
    std::string GetData() override {
        std::string data;
        data.swap(waiting);
        return data;
    }
    void Close() override {
        log_.Add("Tcp close");
        open = false;
        waiting.clear();
        lookup.clear();
    }
    void Resolve(const std::string& hostName) override {
        log_.Add("Tcp resolve " + hostName);
        lookup = hostName;
    }

    // The server's side.
    void Accept() {
        if (open && Connected) Connected();
    }
    void Deliver(const std::string& bytes) {
        if (!open) return;
        waiting += bytes;
        if (DataArrival) DataArrival(static_cast<std::int32_t>(waiting.size()));
    }
    // The server closes, resets or refuses the connection.
    void Drop() {
        if (!open) return;
        open = false;
        if (Closed) Closed();
    }
    // The name service answers the pending lookup ("" when it found nothing).
    void AnswerLookup(const std::string& address) {
        if (lookup.empty()) return;
        lookup.clear();
        if (Resolved) Resolved(address);
    }

    std::string host;
    std::uint16_t port = 0;
    bool open = false;
    std::vector<std::string> sent;
    std::string waiting;
    std::string lookup;  // the name being looked up, "" when none

private:
    CallLog& log_;
};

}  // namespace netvik::fakes
