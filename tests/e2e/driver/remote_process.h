// Access to another process for the driver: its handle, blocks of memory
// inside it, and messages that give up instead of hanging on it.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// Timeout of every message the driver sends to the program.
const UINT kSendTimeoutMs = 2000;

bool send_timeout(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, DWORD_PTR* result);
std::string last_error(const char* what);
DWORD window_pid(HWND hwnd, DWORD* tid = nullptr);
std::string class_of(HWND hwnd);
bool class_is(HWND hwnd, const char* cls);

class Handle {
public:
    explicit Handle(HANDLE h = nullptr) : h_(h) {}
    ~Handle() {
        if (h_) CloseHandle(h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h_; }
    void reset(HANDLE h) {
        if (h_) CloseHandle(h_);
        h_ = h;
    }

private:
    HANDLE h_;
};

// Opens process `pid` for memory access (plus `extra` rights) and insists
// that it has this process's bitness: the structures exchanged with it
// contain pointers.
bool open_same_bitness(DWORD pid, DWORD extra, Handle& proc, std::string& err);

// A block of memory inside another process, freed on scope exit unless
// abandoned (a thread of the process may still be using it).
class RemoteBlock {
public:
    RemoteBlock(HANDLE proc, size_t size, DWORD protect = PAGE_READWRITE)
        : proc_(proc),
          base_(static_cast<char*>(VirtualAllocEx(proc, nullptr, size, MEM_COMMIT | MEM_RESERVE, protect))) {}
    ~RemoteBlock() {
        if (base_) VirtualFreeEx(proc_, base_, 0, MEM_RELEASE);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    bool ok() const { return base_ != nullptr; }
    char* at(size_t offset) const { return base_ + offset; }
    bool write(size_t offset, const void* data, size_t n) {
        SIZE_T done = 0;
        return WriteProcessMemory(proc_, base_ + offset, data, n, &done) && done == n;
    }
    bool read(size_t offset, void* data, size_t n) {
        SIZE_T done = 0;
        return ReadProcessMemory(proc_, base_ + offset, data, n, &done) && done == n;
    }
    void abandon() { base_ = nullptr; }

private:
    HANDLE proc_;
    char* base_;
};

}  // namespace e2e
