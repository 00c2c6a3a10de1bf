#pragma once
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/HostNames.h"

namespace netvik::fakes {

// Name services whose names and addresses a test sets. A dotted address
// resolves to itself, as the real library does.
class FakeHostNames : public platform::HostNames {
public:
    // The host's address list, each address as its bytes.
    void Add(const std::string& name, std::vector<std::string> addresses, std::int16_t length = 4) {
        entries_[name] = {std::move(addresses), length};
    }

    std::int32_t GetHostName(char* buffer, std::int32_t length) override {
        ++hostNameCalls;
        if (hostNameError != 0) return -1;
        std::memset(buffer, 0, static_cast<std::size_t>(length));
        std::memcpy(buffer, hostName.data(), std::min<std::size_t>(hostName.size(), static_cast<std::size_t>(length)));
        return 0;
    }
    std::int32_t LastError() override { return hostNameError; }
    const platform::HostEnt* GetHostByName(const std::string& name) override {
        lookups.push_back(name);
        auto found = entries_.find(name);
        if (found == entries_.end()) {
            unsigned a, b, c, d;
            char rest;
            if (std::sscanf(name.c_str(), "%u.%u.%u.%u%c", &a, &b, &c, &d, &rest) != 4 || a > 255 || b > 255 ||
                c > 255 || d > 255) {
                return nullptr;
            }
            const char bytes[4] = {static_cast<char>(a), static_cast<char>(b), static_cast<char>(c),
                                   static_cast<char>(d)};
            return Build({std::string(bytes, 4)}, 4);
        }
        return Build(found->second.addresses, found->second.length);
    }

    std::string hostName = "netvik-pc";
    std::int32_t hostNameError = 0;  // non-zero: gethostname fails with it
    int hostNameCalls = 0;
    std::vector<std::string> lookups;

private:
    struct Entry {
        std::vector<std::string> addresses;
        std::int16_t length;
    };
    // Lays the record out as the library does: the address list ends with
    // a null, and every address is exactly as long as its bytes.
    const platform::HostEnt* Build(const std::vector<std::string>& addresses, std::int16_t length) {
        storage_ = addresses;
        pointers_.clear();
        for (auto& address : storage_) pointers_.push_back(address.data());
        pointers_.push_back(nullptr);
        record_ = {nullptr, nullptr, 2, length, pointers_.data()};
        return &record_;
    }

    std::map<std::string, Entry> entries_;
    std::vector<std::string> storage_;
    std::vector<char*> pointers_;
    platform::HostEnt record_{};
};

}  // namespace netvik::fakes
