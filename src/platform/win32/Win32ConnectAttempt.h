#pragma once
#include "platform/ConnectAttempt.h"
#include "platform/win32/Win32Sockets.h"

namespace netvik::win32 {

// A TCP connection attempt on Windows Sockets 1.1: the socket reports its
// connection through WSAAsyncSelect to a hidden window of its own, whose
// messages the GUI thread's message loop (and any modal loop) delivers.
// Each attempt reports under a message number of its own, so that an answer
// of a dropped attempt still waiting in the queue is never taken for a
// later one's.
class Win32ConnectAttempt : public platform::ConnectAttempt {
public:
    Win32ConnectAttempt();
    ~Win32ConnectAttempt() override;
    Win32ConnectAttempt(const Win32ConnectAttempt&) = delete;
    Win32ConnectAttempt& operator=(const Win32ConnectAttempt&) = delete;

    void Start(std::uint32_t address, std::uint16_t port) override;
    void Stop() override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnConnect(SOCKET socket, int error);

    const Wsock32* winsock_ = Winsock();
    HWND window_ = nullptr;
    bool open_ = false;     // an attempt is open: its answer is awaited
    bool started_ = false;  // the sockets library, held while an attempt is open
    SOCKET socket_ = INVALID_SOCKET;
    unsigned attempts_ = 0;
    UINT message_ = 0;  // the open attempt's
};

}  // namespace netvik::win32
