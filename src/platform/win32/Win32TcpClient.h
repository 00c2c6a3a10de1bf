#pragma once
#include <memory>
#include <vector>

#include "platform/Parts.h"
#include "platform/TcpClient.h"
#include "platform/win32/Win32Sockets.h"

namespace netvik::win32 {

// A TCP client on Windows Sockets 1.1 that never blocks: names are looked up
// with WSAAsyncGetHostByName and the socket reports through WSAAsyncSelect,
// both to a hidden window of its own, whose messages the GUI thread's
// message loop delivers. While a connection or a lookup is open the client
// holds a start-up of the sockets library of its own. Without the library,
// nothing starts: every lookup fails and every connection closes at once.
class Win32TcpClient : public platform::TcpClient {
public:
    explicit Win32TcpClient(const platform::Slot& slot = {});
    ~Win32TcpClient() override;
    Win32TcpClient(const Win32TcpClient&) = delete;
    Win32TcpClient& operator=(const Win32TcpClient&) = delete;

    void Connect(const std::string& host, std::uint16_t port) override;
    void SendData(const std::string& data) override;
    std::string GetData() override;
    void Close() override;
    void Resolve(const std::string& hostName) override;

private:
    // A lookup under way. Its answer buffer lives until the answer's message
    // has come, even when the lookup was cancelled: the library may still
    // write into it.
    struct Lookup {
        HANDLE handle = nullptr;
        std::vector<char> entry = std::vector<char>(MAXGETHOSTSTRUCT);
    };
    // A lookup the library would not begin: its failure, answered through
    // the message loop like any other.
    static constexpr HANDLE kNotBegun = nullptr;
    enum class Purpose { Connect, Resolve };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool Start();
    void StartLookup(const std::string& host, Purpose purpose);
    // No answer of the lookup under way is awaited any more.
    void CancelLookup();
    void OnResolved(HANDLE request, LPARAM result);
    void Answer(const in_addr* address);
    void OnSocket(SOCKET socket, LPARAM event);
    void ConnectTo(const in_addr& host);
    // The connection ended without Close: closes it and raises Closed.
    void Lost();
    std::int32_t Waiting() const;

    const Wsock32* const winsock_ = Winsock();  // used only after a start-up through it
    HWND window_ = nullptr;
    bool started_ = false;  // the sockets library, held while a connection or lookup is open
    std::vector<std::unique_ptr<Lookup>> lookups_;
    bool awaiting_ = false;     // an answer is awaited, for current_
    HANDLE current_ = nullptr;  // the lookup whose answer is awaited
    Purpose purpose_ = Purpose::Connect;
    std::uint16_t port_ = 0;
    SOCKET socket_ = INVALID_SOCKET;
    unsigned generation_ = 0;  // counts closes, so that an event's handler can tell one happened
};

}  // namespace netvik::win32
