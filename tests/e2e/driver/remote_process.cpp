#include "remote_process.h"

namespace e2e {

namespace {

bool is_wow64(HANDLE proc) {
    BOOL wow = FALSE;
    return IsWow64Process(proc, &wow) && wow;
}

}  // namespace

bool send_timeout(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, DWORD_PTR* result) {
    return SendMessageTimeoutA(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG | SMTO_BLOCK, kSendTimeoutMs, result) != 0;
}

std::string last_error(const char* what) {
    return std::string(what) + " failed (error " + std::to_string(GetLastError()) + ")";
}

DWORD window_pid(HWND hwnd, DWORD* tid) {
    DWORD pid = 0;
    DWORD thread = GetWindowThreadProcessId(hwnd, &pid);
    if (tid) *tid = thread;
    return pid;
}

std::string class_of(HWND hwnd) {
    char buf[256];
    int n = GetClassNameA(hwnd, buf, sizeof buf);
    return std::string(buf, n > 0 ? n : 0);
}

bool class_is(HWND hwnd, const char* cls) { return lstrcmpiA(class_of(hwnd).c_str(), cls) == 0; }

bool open_same_bitness(DWORD pid, DWORD extra, Handle& proc, std::string& err) {
    proc.reset(OpenProcess(
        PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_LIMITED_INFORMATION | extra, FALSE,
        pid));
    if (!proc.get()) {
        err = last_error("OpenProcess");
        return false;
    }
    if (is_wow64(proc.get()) != is_wow64(GetCurrentProcess())) {
        err = "process " + std::to_string(pid) +
              " has another bitness than this tool; "
              "use the driver built for the program's architecture";
        return false;
    }
    return true;
}

}  // namespace e2e
