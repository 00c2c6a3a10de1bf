// Popup menus: finding them, reading their items and choosing one with the
// keyboard.
#include "window_driver.h"

#include <tlhelp32.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <set>

#include "text_escape.h"
#include "tray_driver.h"
#include "window_common.h"

namespace e2e {

namespace {

const UINT kGetHMenu = 0x01E1;  // MN_GETHMENU: the HMENU a menu window shows

bool gone_or_hidden(HWND hwnd) { return !IsWindow(hwnd) || !IsWindowVisible(hwnd); }

// Menus read inside the program's process
//
// Wine keeps menus in the process that made them: GetMenuItemCount on
// another process's HMENU fails.  The program's own user32 can read it, so
// a thread started there runs menu_job, a position-independent routine that
// calls user32 only through the pointers in the job.  Its machine code is
// copied from this program; the two sections keep it apart from everything
// else so that its length is known.  It runs at another address, so it must
// not touch globals or call anything but those pointers (no library helper,
// no jump table); the self-test reads menus through it in both bitnesses.

const int kMaxMenuItems = 128;
const int kMenuTextBytes = 256;

struct MenuJob {
    int(WINAPI* count)(HMENU);
    BOOL(WINAPI* info)(HMENU, UINT, BOOL, LPMENUITEMINFOA);
    HMENU menu;
    int n;
    BOOL ok[kMaxMenuItems];
    MENUITEMINFOA items[kMaxMenuItems];
    char text[kMaxMenuItems][kMenuTextBytes];
};

__attribute__((section(".text$e2e_menu_job_a"), noinline, used)) DWORD WINAPI menu_job(LPVOID param) {
    MenuJob* job = static_cast<MenuJob*>(param);
    int n = job->count(job->menu);
    job->n = n;
    if (n > kMaxMenuItems) n = kMaxMenuItems;
    for (int i = 0; i < n; ++i) job->ok[i] = job->info(job->menu, i, TRUE, &job->items[i]);
    return n >= 0;
}

__attribute__((section(".text$e2e_menu_job_b"), noinline, used)) void menu_job_end() {}

const UINT kItemMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;

MenuItem to_item(const MENUITEMINFOA& mi, const char* text) {
    MenuItem item;
    item.id = mi.wID;
    item.separator = (mi.fType & MFT_SEPARATOR) != 0;
    item.disabled = (mi.fState & (MFS_DISABLED | MFS_GRAYED)) != 0;
    item.checked = (mi.fState & MFS_CHECKED) != 0;
    item.is_default = (mi.fState & MFS_DEFAULT) != 0;
    item.popup = mi.hSubMenu != nullptr;
    if (!item.separator && !(mi.fType & MFT_OWNERDRAW) && text) item.text.assign(text, strnlen(text, mi.cch));
    return item;
}

bool check_text_fits(const MENUITEMINFOA& mi, size_t index, std::string& err) {
    if (mi.cch < UINT(kMenuTextBytes)) return true;
    err = "menu item " + std::to_string(index) + " has a text longer than " + std::to_string(kMenuTextBytes - 1) +
          " bytes";
    return false;
}

bool read_menu_here(HMENU menu, int count, std::vector<MenuItem>& items, std::string& err) {
    for (int i = 0; i < count; ++i) {
        char text[kMenuTextBytes] = {};
        MENUITEMINFOA mi;
        std::memset(&mi, 0, sizeof mi);
        mi.cbSize = sizeof mi;
        mi.fMask = kItemMask;
        mi.dwTypeData = text;
        mi.cch = sizeof text;
        if (!GetMenuItemInfoA(menu, i, TRUE, &mi)) {
            err = last_error("GetMenuItemInfo");
            return false;
        }
        if (!check_text_fits(mi, i, err)) return false;
        items.push_back(to_item(mi, text));
    }
    return true;
}

ULONG_PTR remote_module_base(DWORD pid, const char* name) {
    HANDLE snap = INVALID_HANDLE_VALUE;
    for (int i = 0; i < 10 && snap == INVALID_HANDLE_VALUE; ++i) {
        snap = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
        if (snap == INVALID_HANDLE_VALUE && GetLastError() != ERROR_BAD_LENGTH) break;
    }
    if (snap == INVALID_HANDLE_VALUE) return 0;
    Handle closer(snap);
    MODULEENTRY32 me;
    me.dwSize = sizeof me;
    for (BOOL ok = Module32First(snap, &me); ok; ok = Module32Next(snap, &me))
        if (!lstrcmpiA(me.szModule, name)) return reinterpret_cast<ULONG_PTR>(me.modBaseAddr);
    return 0;
}

bool read_menu_remote(DWORD pid, HMENU menu, std::vector<MenuItem>& items, std::string& err) {
    const char* code_begin = reinterpret_cast<const char*>(&menu_job);
    const char* code_end = reinterpret_cast<const char*>(&menu_job_end);
    if (code_end <= code_begin || code_end - code_begin > 4096) {
        err = "the menu reader's code cannot be located in trayctl";
        return false;
    }
    const size_t code_size = size_t(code_end - code_begin);
    Handle proc;
    if (!open_same_bitness(pid, PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION, proc, err)) return false;
    HMODULE user32 = GetModuleHandleA("user32.dll");
    const ULONG_PTR there = remote_module_base(pid, "user32.dll");
    if (!user32 || !there) {
        err = "user32.dll not found in process " + std::to_string(pid);
        return false;
    }
    // The same user32.dll: a function lies at the same offset from its base.
    auto relocate = [&](const char* fn) {
        return there + (reinterpret_cast<ULONG_PTR>(GetProcAddress(user32, fn)) - reinterpret_cast<ULONG_PTR>(user32));
    };
    std::unique_ptr<MenuJob> job(new MenuJob());
    job->count = reinterpret_cast<int(WINAPI*)(HMENU)>(relocate("GetMenuItemCount"));
    job->info = reinterpret_cast<BOOL(WINAPI*)(HMENU, UINT, BOOL, LPMENUITEMINFOA)>(relocate("GetMenuItemInfoA"));
    job->menu = menu;

    RemoteBlock code(proc.get(), code_size);
    RemoteBlock data(proc.get(), sizeof(MenuJob));
    if (!code.ok() || !data.ok()) {
        err = last_error("VirtualAllocEx");
        return false;
    }
    for (int i = 0; i < kMaxMenuItems; ++i) {
        MENUITEMINFOA& mi = job->items[i];
        mi.cbSize = sizeof mi;
        mi.fMask = kItemMask;
        mi.dwTypeData = data.at(offsetof(MenuJob, text) + size_t(i) * kMenuTextBytes);
        mi.cch = kMenuTextBytes;
    }
    DWORD old = 0;
    if (!code.write(0, code_begin, code_size) || !data.write(0, job.get(), sizeof(MenuJob)) ||
        !VirtualProtectEx(proc.get(), code.at(0), code_size, PAGE_EXECUTE_READ, &old)) {
        err = last_error("preparing the menu reader");
        return false;
    }
    FlushInstructionCache(proc.get(), code.at(0), code_size);
    Handle thread(CreateRemoteThread(proc.get(), nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(code.at(0)),
                                     data.at(0), 0, nullptr));
    if (!thread.get()) {
        err = last_error("CreateRemoteThread");
        return false;
    }
    if (WaitForSingleObject(thread.get(), 5000) != WAIT_OBJECT_0) {
        code.abandon();  // the thread may still run there
        data.abandon();
        err = "the menu reader in process " + std::to_string(pid) + " did not finish within 5 s";
        return false;
    }
    if (!data.read(0, job.get(), sizeof(MenuJob))) {
        err = last_error("ReadProcessMemory");
        return false;
    }
    if (job->n < 0) {
        err = "menu " + hex(menu) + " cannot be read in its own process either";
        return false;
    }
    if (job->n > kMaxMenuItems) {
        err = "the menu has " + std::to_string(job->n) + " items, more than " + std::to_string(kMaxMenuItems);
        return false;
    }
    for (int i = 0; i < job->n; ++i) {
        if (!job->ok[i]) {
            err = "menu item " + std::to_string(i) + " cannot be read";
            return false;
        }
        if (!check_text_fits(job->items[i], i, err)) return false;
        items.push_back(to_item(job->items[i], job->text[i]));
    }
    return true;
}

}  // namespace

std::vector<HWND> find_menus(DWORD pid) {
    std::vector<HWND> out;
    for (HWND h : top_level_windows())
        if (class_is(h, kMenuClass) && IsWindowVisible(h) && (!pid || window_pid(h) == pid)) out.push_back(h);
    return out;
}

bool read_menu(HWND menu_window, std::vector<MenuItem>& items, std::string& how, std::string& err) {
    items.clear();
    if (!IsWindow(menu_window) || !class_is(menu_window, kMenuClass)) {
        err = hex(menu_window) + " is not a menu window";
        return false;
    }
    DWORD_PTR handle = 0;
    if (!send_timeout(menu_window, kGetHMenu, 0, 0, &handle) || !handle) {
        err = "menu window " + hex(menu_window) + " shows no menu (MN_GETHMENU)";
        return false;
    }
    HMENU menu = reinterpret_cast<HMENU>(handle);
    const int count = GetMenuItemCount(menu);
    if (count >= 0) {
        how = "direct";
        return read_menu_here(menu, count, items, err);
    }
    how = "in-process";
    return read_menu_remote(window_pid(menu_window), menu, items, err);
}

bool menu_downs(const std::vector<MenuItem>& items, size_t index, size_t& downs, std::string& err) {
    if (index >= items.size()) {
        err = "no item " + std::to_string(index) + ": the menu has " + std::to_string(items.size());
        return false;
    }
    if (items[index].separator) {
        err = "item " + std::to_string(index) + " is a separator";
        return false;
    }
    downs = 0;
    for (size_t i = 0; i < index; ++i)
        if (!items[i].separator) ++downs;
    return true;
}

bool choose_menu_item(HWND menu_window, size_t index, DWORD wait_ms, HWND& submenu, std::string& err,
                      double* chosen_at) {
    submenu = nullptr;
    std::vector<MenuItem> items;
    std::string how;
    size_t downs = 0;
    if (!read_menu(menu_window, items, how, err) || !menu_downs(items, index, downs, err)) return false;
    const MenuItem& item = items[index];
    if (item.disabled) {
        err = "item " + std::to_string(index) + " (\"" + escape_text(item.text) + "\") is disabled";
        return false;
    }
    // Keys go to the innermost open menu, whichever window they are sent to.
    const std::vector<HWND> open = find_menus(window_pid(menu_window));
    if (!open.empty() && open.front() != menu_window) {
        err = "menu " + hex(open.front()) + " is open above " + hex(menu_window) + ": choose there or close it";
        return false;
    }
    if (!post_key(menu_window, VK_HOME, KeyAction::Press, err)) return false;
    for (size_t i = 0; i < downs; ++i)
        if (!post_key(menu_window, VK_DOWN, KeyAction::Press, err)) return false;
    if (chosen_at != nullptr) *chosen_at = precise_ms();
    if (!post_key(menu_window, VK_RETURN, KeyAction::Press, err)) return false;
    if (item.popup) {
        const std::set<HWND> before(open.begin(), open.end());
        const bool opened = wait_until(wait_ms, [&] {
            for (HWND h : find_menus(window_pid(menu_window)))
                if (!before.count(h)) submenu = h;
            return submenu != nullptr;
        });
        if (!opened) err = "the submenu of item " + std::to_string(index) + " did not open";
        return opened;
    }
    if (!wait_until(wait_ms, [&] { return gone_or_hidden(menu_window); })) {
        err = "the menu is still open " + std::to_string(wait_ms) + " ms after choosing item " + std::to_string(index);
        return false;
    }
    return true;
}

bool close_menu(HWND menu_window, DWORD wait_ms, std::string& err) {
    if (!IsWindow(menu_window) || !class_is(menu_window, kMenuClass)) {
        err = hex(menu_window) + " is not a menu window";
        return false;
    }
    if (!post_key(menu_window, VK_ESCAPE, KeyAction::Press, err)) return false;
    if (wait_until(wait_ms, [&] { return gone_or_hidden(menu_window); })) return true;
    err = "the menu is still open " + std::to_string(wait_ms) + " ms after VK_ESCAPE";
    return false;
}

}  // namespace e2e
