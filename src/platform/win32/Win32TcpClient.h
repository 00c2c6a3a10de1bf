#pragma once
#include <vector>

#include "platform/TcpClient.h"
#include "platform/win32/WinTypes.h"

#include <winsock.h>

namespace netvik::win32 {

// A TCP client on Windows Sockets 1.1 that never blocks: the name is looked
// up with WSAAsyncGetHostByName and the socket reports through
// WSAAsyncSelect, both to a hidden window of its own, whose messages the
// GUI thread's message loop delivers. While a connection is open the client
// holds a start-up of the sockets library of its own.
class Win32TcpClient : public platform::TcpClient {
public:
    Win32TcpClient();
    ~Win32TcpClient() override;
    Win32TcpClient(const Win32TcpClient&) = delete;
    Win32TcpClient& operator=(const Win32TcpClient&) = delete;

    void Connect(const std::string& host, std::uint16_t port) override;
    void SendData(const std::string& data) override;
    std::string GetData() override;
    void Close() override;
    std::string LocalIP() override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnResolved(HANDLE request, LPARAM result);
    void OnSocket(SOCKET socket, LPARAM event);
    std::int32_t Waiting() const;

    HWND window_ = nullptr;
    bool started_ = false;  // the sockets library, held while a connection is open
    HANDLE lookup_ = nullptr;
    std::vector<char> hostEntry_;  // MAXGETHOSTSTRUCT bytes for the lookup's answer
    std::uint16_t port_ = 0;
    SOCKET socket_ = INVALID_SOCKET;
};

}  // namespace netvik::win32
