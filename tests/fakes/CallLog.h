#pragma once
#include <algorithm>
#include <string>
#include <vector>

namespace netvik::fakes {

// One ordered record of the calls that several fakes see, so tests can check
// the order across services ("icon set before the release", ...).
class CallLog {
public:
    void Add(std::string entry) { entries_.push_back(std::move(entry)); }
    const std::vector<std::string>& Entries() const { return entries_; }
    void Clear() { entries_.clear(); }

    // Index of the first entry that starts with prefix, or -1.
    int Find(const std::string& prefix, int from = 0) const {
        for (std::size_t i = static_cast<std::size_t>(from); i < entries_.size(); ++i) {
            if (entries_[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
        }
        return -1;
    }
    int Count(const std::string& prefix) const {
        return static_cast<int>(std::count_if(entries_.begin(), entries_.end(),
                                              [&](const std::string& e) { return e.rfind(prefix, 0) == 0; }));
    }

private:
    std::vector<std::string> entries_;
};

}  // namespace netvik::fakes
