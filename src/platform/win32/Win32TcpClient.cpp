#include "platform/win32/Win32TcpClient.h"

#include "common/Failure.h"

namespace netvik::win32 {

namespace {

constexpr char kClassName[] = "NetvikTcpClient";
constexpr UINT kResolved = WM_USER + 1;
constexpr UINT kSocketEvent = WM_USER + 2;

void Run(const std::function<void()>& handler) {
    if (handler) handler();
}

}  // namespace

Win32TcpClient::Win32TcpClient() : hostEntry_(MAXGETHOSTSTRUCT) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA existing;
    if (!GetClassInfoA(instance, kClassName, &existing)) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &Win32TcpClient::WindowProc;
        wc.hInstance = instance;
        wc.lpszClassName = kClassName;
        if (RegisterClassA(&wc) == 0) Fail("cannot register the TCP client's window class");
    }
    window_ = CreateWindowExA(0, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (window_ == nullptr) Fail("cannot create the TCP client's window");
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32TcpClient::~Win32TcpClient() {
    Close();
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

void Win32TcpClient::Connect(const std::string& host, std::uint16_t port) {
    Close();
    WSADATA data;
    if (WSAStartup(0x0101, &data) != 0) return;
    started_ = true;
    port_ = port;
    lookup_ =
        WSAAsyncGetHostByName(window_, kResolved, host.c_str(), hostEntry_.data(), static_cast<int>(hostEntry_.size()));
}

void Win32TcpClient::OnResolved(HANDLE request, LPARAM result) {
    if (request != lookup_ || lookup_ == nullptr) return;  // an answer for a connection already closed
    lookup_ = nullptr;
    const auto* entry = reinterpret_cast<const hostent*>(hostEntry_.data());
    if (WSAGETASYNCERROR(result) != 0 || entry->h_length != 4 || entry->h_addr_list[0] == nullptr) return;

    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port_);
    memcpy(&address.sin_addr, entry->h_addr_list[0], 4);
    socket_ = socket(AF_INET, SOCK_STREAM, 0);
    if (socket_ == INVALID_SOCKET) return;
    WSAAsyncSelect(socket_, window_, kSocketEvent, FD_CONNECT | FD_READ | FD_CLOSE);
    connect(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address);  // completes as FD_CONNECT
}

void Win32TcpClient::OnSocket(SOCKET socket, LPARAM event) {
    if (socket != socket_ || socket_ == INVALID_SOCKET) return;  // a socket already closed
    if (WSAGETSELECTERROR(event) != 0) return;
    switch (WSAGETSELECTEVENT(event)) {
        case FD_CONNECT: Run(Connected); break;
        case FD_READ:
        case FD_CLOSE:  // what arrived before the server closed
            if (const std::int32_t waiting = Waiting(); waiting > 0 && DataArrival) DataArrival(waiting);
            break;
        default: break;
    }
}

std::int32_t Win32TcpClient::Waiting() const {
    u_long waiting = 0;
    if (socket_ == INVALID_SOCKET || ioctlsocket(socket_, FIONREAD, &waiting) != 0) return 0;
    return static_cast<std::int32_t>(waiting);
}

void Win32TcpClient::SendData(const std::string& data) {
    std::size_t sent = 0;
    while (socket_ != INVALID_SOCKET && sent < data.size()) {
        const int result = send(socket_, data.data() + sent, static_cast<int>(data.size() - sent), 0);
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
        const int received = recv(socket_, data.data() + taken, static_cast<int>(data.size() - taken), 0);
        if (received <= 0) break;
        taken += static_cast<std::size_t>(received);
    }
    data.resize(taken);
    return data;
}

void Win32TcpClient::Close() {
    if (lookup_ != nullptr) {
        WSACancelAsyncRequest(lookup_);
        lookup_ = nullptr;
    }
    if (socket_ != INVALID_SOCKET) {
        closesocket(socket_);
        socket_ = INVALID_SOCKET;
    }
    if (started_) {
        WSACleanup();
        started_ = false;
    }
}

std::string Win32TcpClient::LocalIP() {
    WSADATA data;
    if (WSAStartup(0x0101, &data) != 0) return {};
    std::string address;
    char name[256] = {};
    if (gethostname(name, sizeof name) == 0) {
        const hostent* entry = gethostbyname(name);
        if (entry != nullptr && entry->h_length == 4 && entry->h_addr_list[0] != nullptr) {
            in_addr first;
            memcpy(&first, entry->h_addr_list[0], 4);
            address = inet_ntoa(first);
        }
    }
    WSACleanup();
    return address;
}

LRESULT CALLBACK Win32TcpClient::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Win32TcpClient*>(GetWindowLongPtrA(window, GWLP_USERDATA));
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
