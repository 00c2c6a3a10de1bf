#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace netvik::platform {

// HOSTENT as the sockets library returns it: the addresses are h_length
// bytes each, in network byte order, listed until a null pointer.
struct HostEnt {
    char* h_name;
    char** h_aliases;
    std::int16_t h_addrtype;
    std::int16_t h_length;
    char** h_addr_list;
};

static_assert(offsetof(HostEnt, h_addrtype) == 2 * sizeof(void*));
static_assert(offsetof(HostEnt, h_length) == 2 * sizeof(void*) + 2);
static_assert(offsetof(HostEnt, h_addr_list) == (sizeof(void*) == 4 ? 12 : 24));
static_assert(sizeof(void*) != 4 || sizeof(HostEnt) == 16);

// The sockets library's host-name services (Windows Sockets 1.1).
class HostNames {
public:
    virtual ~HostNames() = default;
    // gethostname: 0, or -1 on failure.
    virtual std::int32_t GetHostName(char* buffer, std::int32_t length) = 0;
    // WSAGetLastError.
    virtual std::int32_t LastError() = 0;
    // gethostbyname: null when the name cannot be resolved. The record
    // belongs to the library and holds until its next call.
    virtual const HostEnt* GetHostByName(const std::string& name) = 0;
};

}  // namespace netvik::platform
