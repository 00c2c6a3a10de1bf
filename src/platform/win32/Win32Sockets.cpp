#include "platform/win32/Win32Sockets.h"

#include <cstring>

#include "platform/win32/Win32Libraries.h"

namespace netvik::win32 {

static_assert(sizeof(void*) != 4 || sizeof(WSADATA) == 400, "WSADATA is the 400-byte start-up record");
static_assert(offsetof(WSADATA, wVersion) == 0);

namespace {

template <typename Fn>
bool Find(HMODULE module, const char* name, Fn& function) {
    function = ProcAddress<Fn>(module, name);
    return function != nullptr;
}

bool Load(Wsock32& calls) {
    const HMODULE module = LoadSystemLibrary("wsock32.dll");
    if (module == nullptr) return false;
    if (Find(module, "WSAAsyncGetHostByName", calls.WSAAsyncGetHostByName) &&
        Find(module, "WSAAsyncSelect", calls.WSAAsyncSelect) &&
        Find(module, "WSACancelAsyncRequest", calls.WSACancelAsyncRequest) &&
        Find(module, "WSACleanup", calls.WSACleanup) && Find(module, "WSAGetLastError", calls.WSAGetLastError) &&
        Find(module, "WSAStartup", calls.WSAStartup) && Find(module, "closesocket", calls.closesocket) &&
        Find(module, "connect", calls.connect) && Find(module, "gethostbyname", calls.gethostbyname) &&
        Find(module, "gethostname", calls.gethostname) && Find(module, "htons", calls.htons) &&
        Find(module, "inet_ntoa", calls.inet_ntoa) && Find(module, "ioctlsocket", calls.ioctlsocket) &&
        Find(module, "recv", calls.recv) && Find(module, "send", calls.send) && Find(module, "socket", calls.socket)) {
        return true;
    }
    FreeLibrary(module);
    return false;
}

}  // namespace

const Wsock32* Winsock() {
    // One table for the process, loaded once and kept to its end: the
    // library itself is process-wide (its start-ups are counted for the
    // process, whoever makes them), and only the GUI thread calls here.
    static Wsock32 calls;
    static bool tried = false;
    static bool loaded = false;
    if (!tried) {
        tried = true;
        loaded = Load(calls);
    }
    return loaded ? &calls : nullptr;
}

void ReleaseSocket(const Wsock32& winsock, SOCKET& socket, bool& started) {
    if (socket != INVALID_SOCKET) winsock.closesocket(socket);
    socket = INVALID_SOCKET;
    if (started) winsock.WSACleanup();
    started = false;
}

std::int32_t Win32Sockets::Startup(std::uint16_t requestedVersion, std::uint16_t& wVersion) {
    const Wsock32* winsock = Winsock();
    if (winsock == nullptr) return WSASYSNOTREADY;
    WSADATA data;
    std::memset(&data, 0, sizeof data);
    const int result = winsock->WSAStartup(requestedVersion, &data);
    if (result == 0) wVersion = data.wVersion;
    return result;
}

std::int32_t Win32Sockets::Cleanup() {
    const Wsock32* winsock = Winsock();
    return winsock != nullptr ? winsock->WSACleanup() : SOCKET_ERROR;
}

}  // namespace netvik::win32
