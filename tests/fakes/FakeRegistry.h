#pragma once
#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace netvik::fakes {

// An in-memory registry with the system's rules: key paths and value names
// compare without regard to case, a missing key or value gives 2, a size
// query answers 234 (more data) for a non-empty value, and REG_SZ data is
// kept as the bytes written, with or without a NUL. It has two roots,
// HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER; the tests' paths are under the
// first unless they name the root.
class FakeRegistry : public platform::Registry {
public:
    struct Value {
        std::uint32_t type;
        std::string bytes;
    };

    // Writes and creations under any path starting with this prefix are
    // refused with access denied (5), as for a user without rights.
    void DenyWritesUnder(const std::string& path, platform::RegKey root = platform::kLocalMachine) {
        denied_.insert(Full(root, path));
    }

    // Writes and deletions of values under this path fail with code, which
    // need not be one the registry layer knows (1013, 1016, 14, 1018...).
    void FailValueChangesUnder(const std::string& path, std::int32_t code,
                               platform::RegKey root = platform::kLocalMachine) {
        failing_[Full(root, path)] = code;
    }

    // Direct access for tests, by key path below the root (e.g. "Software\Netvik").
    void Put(const std::string& path, const std::string& name, std::uint32_t type, const std::string& bytes,
             platform::RegKey root = platform::kLocalMachine) {
        keys_[Full(root, path)][Fold(name)] = {type, bytes};
    }
    const Value* Find(const std::string& path, const std::string& name,
                      platform::RegKey root = platform::kLocalMachine) const {
        const auto key = keys_.find(Full(root, path));
        if (key == keys_.end()) return nullptr;
        const auto value = key->second.find(Fold(name));
        return value == key->second.end() ? nullptr : &value->second;
    }
    bool HasKey(const std::string& path, platform::RegKey root = platform::kLocalMachine) const {
        return keys_.count(Full(root, path)) != 0;
    }
    void RemoveKey(const std::string& path, platform::RegKey root = platform::kLocalMachine) {
        keys_.erase(Full(root, path));
    }
    int OpenHandles() const { return static_cast<int>(open_.size()); }
    int writes = 0;

    std::int32_t CreateKey(platform::RegKey root, const std::string& path, platform::RegKey& key) override {
        if (!KnownRoot(root)) return 6;
        if (Denied(Full(root, path))) return 5;
        std::string walked;
        for (const std::string& part : Split(path)) {
            walked += (walked.empty() ? "" : "\\") + part;
            keys_[Full(root, walked)];
        }
        return Open(Full(root, path), key);
    }
    std::int32_t OpenKey(platform::RegKey root, const std::string& path, platform::RegKey& key) override {
        if (!KnownRoot(root)) return 6;
        if (keys_.count(Full(root, path)) == 0) return 2;
        return Open(Full(root, path), key);
    }
    std::int32_t QueryValue(platform::RegKey key, const std::string& name, std::uint32_t& type, char* data,
                            std::uint32_t& size) override {
        const auto handle = open_.find(key);
        if (handle == open_.end()) return 6;
        const Value* value = FindFull(handle->second, name);
        if (value == nullptr) return 2;
        type = value->type;
        const auto needed = static_cast<std::uint32_t>(value->bytes.size());
        if (data == nullptr || size == 0) {
            size = needed;
            return needed == 0 ? 0 : 234;
        }
        if (size < needed) {
            size = needed;
            return 234;
        }
        std::memcpy(data, value->bytes.data(), needed);
        size = needed;
        return 0;
    }
    std::int32_t SetValue(platform::RegKey key, const std::string& name, std::uint32_t type, const char* data,
                          std::uint32_t size) override {
        const auto handle = open_.find(key);
        if (handle == open_.end()) return 6;
        if (Denied(handle->second)) return 5;
        if (const std::int32_t failure = Failure(handle->second)) return failure;
        ++writes;
        keys_[handle->second][Fold(name)] = {type, std::string(data, size)};
        return 0;
    }
    // Kept as its UTF-16LE bytes with the NUL, as the system stores them.
    std::int32_t SetWideText(platform::RegKey key, const std::string& name, const std::u16string& text) override {
        std::string bytes;
        for (const char16_t unit : text + u'\0') {
            bytes.push_back(static_cast<char>(unit & 0xFF));
            bytes.push_back(static_cast<char>(unit >> 8));
        }
        return SetValue(key, name, platform::kRegSz, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    }
    std::int32_t DeleteValue(platform::RegKey key, const std::string& name) override {
        const auto handle = open_.find(key);
        if (handle == open_.end()) return 6;
        if (Denied(handle->second)) return 5;
        if (const std::int32_t failure = Failure(handle->second)) return failure;
        auto& values = keys_[handle->second];
        return values.erase(Fold(name)) == 0 ? 2 : 0;
    }
    std::int32_t CloseKey(platform::RegKey key) override { return open_.erase(key) == 0 ? 6 : 0; }

private:
    static bool KnownRoot(platform::RegKey root) {
        return root == platform::kLocalMachine || root == platform::kCurrentUser;
    }
    // A key's path with its root, as the key maps hold it.
    static std::string Full(platform::RegKey root, const std::string& path) {
        return (root == platform::kCurrentUser ? "hkcu\\" : "hklm\\") + Fold(path);
    }
    const Value* FindFull(const std::string& full, const std::string& name) const {
        const auto key = keys_.find(full);
        if (key == keys_.end()) return nullptr;
        const auto value = key->second.find(Fold(name));
        return value == key->second.end() ? nullptr : &value->second;
    }
    static std::string Fold(const std::string& text) {
        std::string folded = text;
        std::transform(folded.begin(), folded.end(), folded.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return folded;
    }
    static std::vector<std::string> Split(const std::string& path) {
        std::vector<std::string> parts;
        std::string part;
        for (const char c : path) {
            if (c == '\\') {
                if (!part.empty()) parts.push_back(part);
                part.clear();
            } else {
                part.push_back(c);
            }
        }
        if (!part.empty()) parts.push_back(part);
        return parts;
    }
    bool Denied(const std::string& full) const {
        return std::any_of(denied_.begin(), denied_.end(),
                           [&](const std::string& prefix) { return full.rfind(prefix, 0) == 0; });
    }
    std::int32_t Failure(const std::string& full) const {
        for (const auto& [prefix, code] : failing_) {
            if (full.rfind(prefix, 0) == 0) return code;
        }
        return 0;
    }
    std::int32_t Open(const std::string& full, platform::RegKey& key) {
        key = nextHandle_++;
        open_[key] = full;
        return 0;
    }

    std::map<std::string, std::map<std::string, Value>> keys_;
    std::map<platform::RegKey, std::string> open_;
    std::set<std::string> denied_;
    std::map<std::string, std::int32_t> failing_;
    platform::RegKey nextHandle_ = 0x500;
};

}  // namespace netvik::fakes
