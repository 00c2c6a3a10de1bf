#include "platform/win32/Win32TcpClient.h"

#include <algorithm>

#include "platform/win32/HiddenWindow.h"

namespace netvik::win32 {

namespace {

constexpr char kClassName[] = "NetvikTcpClient";
constexpr UINT kResolved = WM_USER + 1;
constexpr UINT kSocketEvent = WM_USER + 2;

void Run(const std::function<void()>& handler) {
    if (handler) handler();
}

}  // namespace

Win32TcpClient::Win32TcpClient(const platform::Slot& slot)
    : window_(CreateHiddenWindow(kClassName, &Win32TcpClient::WindowProc, this)) {
    slot.Hold<platform::TcpClient>(*this);
}

Win32TcpClient::~Win32TcpClient() {
    Close();
    DestroyHiddenWindow(window_);
}

bool Win32TcpClient::Start() {
    if (started_) return true;
    WSADATA data;
    started_ = winsock_ != nullptr && winsock_->WSAStartup(0x0101, &data) == 0;
    return started_;
}

void Win32TcpClient::Connect(const std::string& host, std::uint16_t port) {
    Close();
    port_ = port;
    StartLookup(host, Purpose::Connect);
}

void Win32TcpClient::Resolve(const std::string& hostName) {
    CancelLookup();
    StartLookup(hostName, Purpose::Resolve);
}

void Win32TcpClient::CancelLookup() {
    if (awaiting_ && current_ != kNotBegun) winsock_->WSACancelAsyncRequest(current_);
    awaiting_ = false;
}

void Win32TcpClient::StartLookup(const std::string& host, Purpose purpose) {
    purpose_ = purpose;
    auto lookup = std::make_unique<Lookup>();
    if (Start()) {
        lookup->handle = winsock_->WSAAsyncGetHostByName(window_, kResolved, host.c_str(), lookup->entry.data(),
                                                         static_cast<int>(lookup->entry.size()));
    }
    current_ = lookup->handle;
    awaiting_ = true;
    if (lookup->handle == kNotBegun) {
        PostMessageA(window_, kResolved, reinterpret_cast<WPARAM>(kNotBegun), MAKELPARAM(0, WSAHOST_NOT_FOUND));
    } else {
        lookups_.push_back(std::move(lookup));
    }
}

void Win32TcpClient::OnResolved(HANDLE request, LPARAM result) {
    std::unique_ptr<Lookup> lookup;
    const auto found = std::find_if(lookups_.begin(), lookups_.end(),
                                    [request](const std::unique_ptr<Lookup>& l) { return l->handle == request; });
    if (found != lookups_.end()) {
        lookup = std::move(*found);
        lookups_.erase(found);
    }
    if (!awaiting_ || request != current_) return;  // an answer for a lookup already closed or replaced
    awaiting_ = false;
    const auto* entry = lookup != nullptr ? reinterpret_cast<const hostent*>(lookup->entry.data()) : nullptr;
    if (entry == nullptr || WSAGETASYNCERROR(result) != 0 || entry->h_length != 4 || entry->h_addr_list[0] == nullptr) {
        return Answer(nullptr);
    }
    in_addr address;
    memcpy(&address, entry->h_addr_list[0], 4);
    Answer(&address);
}

void Win32TcpClient::Answer(const in_addr* address) {
    if (purpose_ == Purpose::Connect) {
        if (address == nullptr) return Lost();
        return ConnectTo(*address);
    }
    if (socket_ == INVALID_SOCKET && started_) {
        winsock_->WSACleanup();
        started_ = false;
    }
    if (Resolved) Resolved(address != nullptr ? winsock_->inet_ntoa(*address) : "");
}

void Win32TcpClient::ConnectTo(const in_addr& host) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = winsock_->htons(port_);
    address.sin_addr = host;
    socket_ = winsock_->socket(AF_INET, SOCK_STREAM, 0);
    if (socket_ == INVALID_SOCKET) return Lost();
    winsock_->WSAAsyncSelect(socket_, window_, kSocketEvent, FD_CONNECT | FD_READ | FD_CLOSE);
    winsock_->connect(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address);  // completes as FD_CONNECT
}

void Win32TcpClient::OnSocket(SOCKET socket, LPARAM event) {
    if (socket != socket_ || socket_ == INVALID_SOCKET) return;  // a socket already closed
    const bool failed = WSAGETSELECTERROR(event) != 0;
    switch (WSAGETSELECTEVENT(event)) {
        case FD_CONNECT:
            if (failed) return Lost();  // refused, or no route
            Run(Connected);
            break;
        case FD_READ:
            if (const std::int32_t waiting = Waiting(); waiting > 0 && DataArrival) DataArrival(waiting);
            break;
        case FD_CLOSE: {
            // What arrived before the server closed comes first; a reset
            // leaves nothing to read.
            const unsigned generation = generation_;
            if (const std::int32_t waiting = failed ? 0 : Waiting(); waiting > 0 && DataArrival) DataArrival(waiting);
            if (generation == generation_) Lost();  // the handler did not close it itself
            break;
        }
        default: break;
    }
}

void Win32TcpClient::Lost() {
    Close();
    Run(Closed);
}

std::int32_t Win32TcpClient::Waiting() const {
    u_long waiting = 0;
    if (socket_ == INVALID_SOCKET || winsock_->ioctlsocket(socket_, FIONREAD, &waiting) != 0) return 0;
    return static_cast<std::int32_t>(waiting);
}

void Win32TcpClient::SendData(const std::string& data) {
    std::size_t sent = 0;
    while (socket_ != INVALID_SOCKET && sent < data.size()) {
        const int result = winsock_->send(socket_, data.data() + sent, static_cast<int>(data.size() - sent), 0);
        if (result <= 0) break;
        sent += static_cast<std::size_t>(result);
    }
}

std::string Win32TcpClient::GetData() {
    // What is waiting now, and no more: a server that never stops sending
    // must not keep the GUI thread here.
    std::string data(static_cast<std::size_t>(Waiting()), '\0');
    std::size_t taken = 0;
    while (taken < data.size()) {
        const int received = winsock_->recv(socket_, data.data() + taken, static_cast<int>(data.size() - taken), 0);
        if (received <= 0) break;
        taken += static_cast<std::size_t>(received);
    }
    data.resize(taken);
    return data;
}

void Win32TcpClient::Close() {
    ++generation_;
    CancelLookup();
    if (started_) ReleaseSocket(*winsock_, socket_, started_);
}

LRESULT CALLBACK Win32TcpClient::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = HiddenWindowObject<Win32TcpClient>(window);
    if (self != nullptr && message == kResolved) {
        self->OnResolved(reinterpret_cast<HANDLE>(wParam), lParam);
        return 0;
    }
    if (self != nullptr && message == kSocketEvent) {
        self->OnSocket(static_cast<SOCKET>(wParam), lParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace netvik::win32
