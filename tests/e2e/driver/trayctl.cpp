// trayctl: command-line access to the e2e tray driver for shell scripts.
// Texts are printed and accepted in escaped form (\r, \n, \t, \\, \", \xHH).
// Exit status: 0 success, 1 not found / timed out / failed, 2 usage error.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "commands.h"

namespace trayctl {
namespace {

const CommandGroup* const kGroups[] = {&kTrayCommands, &kWindowCommands, &kRegistryCommands};

// Shown like a command, but handled before any.
const Command kDesktopOption = {"-desktop", "NAME", "work in that (virtual) desktop instead of the default", nullptr};

const char kUsageHead[] = "usage: trayctl [-desktop NAME] COMMAND [ARGS]\n";
const char kUsageTail[] =
    "ICON is #INDEX (left to right, from 0) or an exact tip text.  HWND, PID, ID and MS are\n"
    "decimal or 0x hex.  Waits default to 10000 ms.  \"--\" ends the options.\n";

const Command* g_command = nullptr;  // the command being run, for its own usage lines

// "  NAME ARGS", then the description from column 32: on the same line when
// there is room, else on the next.
std::string usage_lines(const Command& c) {
    const size_t kColumn = 32;
    std::string lines = std::string("  ") + c.name + (*c.args ? " " : "") + c.args;
    lines += lines.size() < kColumn ? std::string(kColumn - lines.size(), ' ') : "\n" + std::string(kColumn, ' ');
    for (const char* p = c.description; *p; ++p) {
        lines += *p;
        if (*p == '\n') lines += std::string(kColumn, ' ');
    }
    return lines + "\n";
}

const Command* find_command(const std::string& name) {
    if (name == kDesktopOption.name) return &kDesktopOption;
    for (const CommandGroup* group : kGroups)
        for (const Command* c = group->begin; c != group->end; ++c)
            if (name == c->name) return c;
    return nullptr;
}

}  // namespace

int usage() {
    if (g_command) {
        std::fprintf(stderr, "usage:\n%s", usage_lines(*g_command).c_str());
        return 2;
    }
    std::string text = kUsageHead + usage_lines(kDesktopOption);
    for (const CommandGroup* group : kGroups) {
        if (group->heading) text += std::string(group->heading) + "\n";
        for (const Command* c = group->begin; c != group->end; ++c) text += usage_lines(*c);
    }
    std::fputs((text + kUsageTail).c_str(), stderr);
    return 2;
}

}  // namespace trayctl

int main(int argc, char** argv) {
    using namespace trayctl;
    // The C runtime would turn "\n" into "\r\n"; scripts want Unix lines.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    if (argc >= 3 && !std::strcmp(argv[1], kDesktopOption.name)) {
        // Windows are only visible from their own desktop.  This thread has
        // no windows yet, so it may still move.  The desktop appears only
        // once the shell started for it has come up: give it some time.
        HDESK desk = OpenDesktopA(argv[2], 0, FALSE, GENERIC_ALL);
        for (int i = 0; !desk && i < 100; ++i) {
            Sleep(100);
            desk = OpenDesktopA(argv[2], 0, FALSE, GENERIC_ALL);
        }
        if (!desk || !SetThreadDesktop(desk)) return fail(std::string("cannot use desktop ") + argv[2]);
        argv += 2;
        argc -= 2;
    }
    if (argc < 2) return usage();
    g_command = find_command(argv[1]);
    const int rc = g_command && g_command->run ? g_command->run(argc, argv) : usage();
    std::fflush(stdout);
    return rc;
}
