#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "commands.h"

namespace trayctl {

int fail(const std::string& msg) {
    std::fprintf(stderr, "trayctl: %s\n", msg.c_str());
    return 1;
}

bool parse_number(const char* s, unsigned long long& v) {
    // strtoull would skip blanks and take a sign, turning " -1" into the
    // largest number.
    if (!std::isdigit(static_cast<unsigned char>(*s))) return false;
    char* end = nullptr;
    errno = 0;
    v = std::strtoull(s, &end, 0);
    return end && !*end && errno == 0;
}

bool parse_hwnd(const char* s, HWND& h) {
    unsigned long long v;
    if (!parse_number(s, v)) return false;
    h = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(v));
    return true;
}

bool parse_pid(const std::string& s, DWORD& pid) {
    unsigned long long v;
    if (!parse_number(s.c_str(), v) || v > 0xffffffffULL) return false;
    pid = static_cast<DWORD>(v);
    return true;
}

bool parse_ms(const std::string& s, DWORD& ms) {
    unsigned long long v;
    if (!parse_number(s.c_str(), v) || v > 0x7fffffff) return false;
    ms = static_cast<DWORD>(v);
    return true;
}

bool split_args(int argc, char** argv, const std::set<std::string>& value_opts, const std::set<std::string>& flag_opts,
                Args& out) {
    bool options = true;
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        if (options && a == "--") {
            options = false;
        } else if (options && value_opts.count(a)) {
            if (i + 1 >= argc) return false;
            out.value[a] = argv[++i];
        } else if (options && flag_opts.count(a)) {
            out.flag.insert(a);
        } else {
            out.pos.push_back(a);
        }
    }
    return true;
}

bool ms_option(const Args& a, const char* name, DWORD fallback, DWORD& ms) {
    auto it = a.value.find(name);
    if (it == a.value.end()) {
        ms = fallback;
        return true;
    }
    return parse_ms(it->second, ms);
}

bool pid_option(const Args& a, DWORD& pid) {
    pid = 0;
    auto it = a.value.find("-pid");
    return it == a.value.end() || parse_pid(it->second, pid);
}

std::string rect_text(const RECT& r) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%ld,%ld,%ld,%ld", r.left, r.top, r.right, r.bottom);
    return buf;
}

}  // namespace trayctl
