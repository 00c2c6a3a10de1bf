// trayctl's commands: the table each area contributes, and the helpers
// their handlers share for arguments, errors and output.
#pragma once

#include <windows.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace trayctl {

// One command: its name, its arguments and description as the usage text
// shows them, and its handler, which gets main's argc and argv (argv[1] is
// the name) and returns the exit status.
struct Command {
    const char* name;
    const char* args;         // what follows the name; may be empty
    const char* description;  // lines separated by '\n', the last without one
    int (*run)(int argc, char** argv);
};

struct CommandGroup {
    const char* heading;  // lines of the usage text above the commands, or nullptr
    const Command* begin;
    const Command* end;
};

extern const CommandGroup kTrayCommands;      // the shell's tray, top-level windows
extern const CommandGroup kWindowCommands;    // the program's controls, menus, message boxes, tooltips
extern const CommandGroup kRegistryCommands;  // the registry

// The running command's lines of the usage text (all of it when the
// command is unknown) on stderr; returns 2.
int usage();
// "trayctl: MSG" on stderr; returns 1.
int fail(const std::string& msg);

// Decimal or 0x hex, nothing before or after it.
bool parse_number(const char* s, unsigned long long& v);
bool parse_hwnd(const char* s, HWND& h);
bool parse_pid(const std::string& s, DWORD& pid);
// At most 0x7fffffff.
bool parse_ms(const std::string& s, DWORD& ms);

// Positional arguments and the options a command knows; "--" ends options.
struct Args {
    std::vector<std::string> pos;
    std::map<std::string, std::string> value;
    std::set<std::string> flag;
};
// Splits argv[2..]: `value_opts` take the next argument, `flag_opts` none.
bool split_args(int argc, char** argv, const std::set<std::string>& value_opts, const std::set<std::string>& flag_opts,
                Args& out);
// The option's value in milliseconds, or `fallback` when absent.
bool ms_option(const Args& a, const char* name, DWORD fallback, DWORD& ms);
// -pid P, or 0 (any process) when absent.
bool pid_option(const Args& a, DWORD& pid);

const DWORD kDefaultWaitMs = 10000;
const DWORD kWindowWaitMs = 5000;  // for a menu to react to keys

inline unsigned long long hv(HWND h) { return reinterpret_cast<ULONG_PTR>(h); }
// "left,top,right,bottom".
std::string rect_text(const RECT& r);

}  // namespace trayctl
