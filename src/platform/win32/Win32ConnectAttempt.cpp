#include "platform/win32/Win32ConnectAttempt.h"

#include "platform/win32/HiddenWindow.h"

namespace netvik::win32 {

namespace {

constexpr char kClassName[] = "NetvikConnectAttempt";
constexpr UINT kFirstMessage = WM_USER + 0x100;
constexpr unsigned kMessages = 64;

}  // namespace

Win32ConnectAttempt::Win32ConnectAttempt()
    : window_(CreateHiddenWindow(kClassName, &Win32ConnectAttempt::WindowProc, this)) {}

Win32ConnectAttempt::~Win32ConnectAttempt() {
    Stop();
    DestroyHiddenWindow(window_);
}

void Win32ConnectAttempt::Start(std::uint32_t address, std::uint16_t port) {
    Stop();
    open_ = true;
    message_ = kFirstMessage + ++attempts_ % kMessages;
    WSADATA data;
    started_ = winsock_ != nullptr && winsock_->WSAStartup(0x0101, &data) == 0;
    socket_ = started_ ? winsock_->socket(AF_INET, SOCK_STREAM, 0) : INVALID_SOCKET;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = started_ ? winsock_->htons(port) : 0;
    to.sin_addr.s_addr = address;
    // An attempt that fails at once answers through the message loop too.
    if (socket_ == INVALID_SOCKET || winsock_->WSAAsyncSelect(socket_, window_, message_, FD_CONNECT) != 0 ||
        (winsock_->connect(socket_, reinterpret_cast<const sockaddr*>(&to), sizeof to) != 0 &&
         winsock_->WSAGetLastError() != WSAEWOULDBLOCK)) {
        const int error = started_ ? winsock_->WSAGetLastError() : WSASYSNOTREADY;
        PostMessageA(window_, message_, static_cast<WPARAM>(socket_), WSAMAKESELECTREPLY(FD_CONNECT, error));
    }
}

void Win32ConnectAttempt::Stop() {
    open_ = false;
    if (started_) ReleaseSocket(*winsock_, socket_, started_);
}

void Win32ConnectAttempt::OnConnect(SOCKET socket, int error) {
    if (!open_ || socket != socket_) return;  // an attempt already dropped
    Stop();
    const Outcome outcome = error == 0                 ? Outcome::Connected
                            : error == WSAECONNREFUSED ? Outcome::Refused
                                                       : Outcome::Failed;
    if (Answered) Answered(outcome);
}

LRESULT CALLBACK Win32ConnectAttempt::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = HiddenWindowObject<Win32ConnectAttempt>(window);
    if (self != nullptr && message == self->message_) {
        self->OnConnect(static_cast<SOCKET>(wParam), WSAGETSELECTERROR(lParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace netvik::win32
