#pragma once
#include "platform/Sockets.h"
#include "platform/win32/WinTypes.h"

#include <winsock.h>

namespace netvik::win32 {

// The calls of Windows Sockets 1.1 the program makes, from the system
// folder's wsock32.dll (which Windows does not protect from a file of its
// name beside the program, so it is not imported).
struct Wsock32 {
    decltype(&::WSAAsyncGetHostByName) WSAAsyncGetHostByName;
    decltype(&::WSAAsyncSelect) WSAAsyncSelect;
    decltype(&::WSACancelAsyncRequest) WSACancelAsyncRequest;
    decltype(&::WSACleanup) WSACleanup;
    decltype(&::WSAGetLastError) WSAGetLastError;
    decltype(&::WSAStartup) WSAStartup;
    decltype(&::closesocket) closesocket;
    decltype(&::connect) connect;
    decltype(&::gethostbyname) gethostbyname;
    decltype(&::gethostname) gethostname;
    decltype(&::htons) htons;
    decltype(&::inet_ntoa) inet_ntoa;
    decltype(&::ioctlsocket) ioctlsocket;
    decltype(&::recv) recv;
    decltype(&::send) send;
    decltype(&::socket) socket;
};

// The sockets library, loaded at the first call; nullptr when the system
// folder has no wsock32.dll with every call above.
const Wsock32* Winsock();

// Closes a socket the program holds and ends its start-up of the library,
// each where it is held: afterwards neither is.
void ReleaseSocket(const Wsock32& winsock, SOCKET& socket, bool& started);

// Windows Sockets 1.1 (wsock32). Without the library, a start-up fails as
// the library's own does when it cannot start.
class Win32Sockets : public platform::SocketsLibrary {
public:
    std::int32_t Startup(std::uint16_t requestedVersion, std::uint16_t& wVersion) override;
    std::int32_t Cleanup() override;
};

}  // namespace netvik::win32
