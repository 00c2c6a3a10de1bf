// Input as a user gives it: button clicks, keystrokes and typed characters.
#include "window_driver.h"

#include <cctype>
#include <cstdlib>
#include <set>

#include "text_escape.h"
#include "tray_driver.h"
#include "window_common.h"

namespace e2e {

namespace {

const DWORD kKeyHoldMs = 30;

std::vector<HWND> thread_windows(DWORD tid) {
    std::vector<HWND> out;
    EnumThreadWindows(tid, collect_window, reinterpret_cast<LPARAM>(&out));
    return out;
}

// Visible menus and dialogs of one thread: what a click may open.
std::set<HWND> modal_windows(DWORD tid) {
    std::set<HWND> out;
    for (HWND h : thread_windows(tid))
        if (IsWindowVisible(h) && (class_is(h, kMenuClass) || class_is(h, kDialogClass))) out.insert(h);
    return out;
}

// Clicks whose handler has returned, by number.  A reply can come after
// click_button stopped waiting for it, whenever this thread next reads its
// messages, so it is not written into that call's (by then gone) frame.
std::set<ULONG_PTR> g_replied;
ULONG_PTR g_clicks = 0;

void CALLBACK on_reply(HWND, UINT, ULONG_PTR click, LRESULT) { g_replied.insert(click); }

// Delivers any replies to messages sent with SendMessageCallback.
void pump(DWORD ms) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

bool post(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, std::string& err) {
    if (PostMessageA(hwnd, msg, wp, lp)) return true;
    err = last_error("PostMessage");
    return false;
}

}  // namespace

bool click_button(HWND button, DWORD wait_ms, ClickOutcome& outcome, HWND& modal, std::string& err) {
    modal = nullptr;
    if (!IsWindow(button)) {
        err = "not a window: " + hex(button);
        return false;
    }
    if (!base_class_is(button, "Button")) {
        err = hex(button) + " is not a button (class \"" + escape_text(class_of(button)) + "\")";
        return false;
    }
    DWORD tid = 0;
    window_pid(button, &tid);
    const std::set<HWND> before = modal_windows(tid);
    const ULONG_PTR click = ++g_clicks;
    if (!SendMessageCallbackA(button, BM_CLICK, 0, 0, on_reply, click)) {
        err = last_error("SendMessageCallback(BM_CLICK)");
        return false;
    }
    const ULONGLONG deadline = GetTickCount64() + wait_ms;
    for (;;) {
        pump(kPollMs);
        if (g_replied.erase(click)) {
            outcome = ClickOutcome::Done;
            return true;
        }
        for (HWND h : modal_windows(tid)) {
            if (before.count(h)) continue;
            outcome = ClickOutcome::Modal;
            modal = h;
            return true;
        }
        if (GetTickCount64() >= deadline) {
            outcome = ClickOutcome::Running;
            return true;
        }
    }
}

bool parse_vk(const std::string& name, unsigned& vk) {
    static const struct {
        const char* name;
        unsigned vk;
    } kKeys[] = {{"BACK", VK_BACK},       {"TAB", VK_TAB},       {"RETURN", VK_RETURN}, {"SHIFT", VK_SHIFT},
                 {"CONTROL", VK_CONTROL}, {"MENU", VK_MENU},     {"ESCAPE", VK_ESCAPE}, {"SPACE", VK_SPACE},
                 {"PRIOR", VK_PRIOR},     {"NEXT", VK_NEXT},     {"END", VK_END},       {"HOME", VK_HOME},
                 {"LEFT", VK_LEFT},       {"UP", VK_UP},         {"RIGHT", VK_RIGHT},   {"DOWN", VK_DOWN},
                 {"INSERT", VK_INSERT},   {"DELETE", VK_DELETE}, {"APPS", VK_APPS}};
    if (name.size() > 3 && !_strnicmp(name.c_str(), "VK_", 3)) {
        const std::string key = name.substr(3);
        for (const auto& k : kKeys)
            if (!lstrcmpiA(key.c_str(), k.name)) {
                vk = k.vk;
                return true;
            }
        if (key.size() == 1 && std::isalnum(static_cast<unsigned char>(key[0]))) {
            vk = unsigned(std::toupper(static_cast<unsigned char>(key[0])));
            return true;
        }
        if ((key[0] == 'F' || key[0] == 'f') && key.size() <= 3) {
            char* end = nullptr;
            const long n = std::strtol(key.c_str() + 1, &end, 10);
            if (end && !*end && n >= 1 && n <= 24) {
                vk = VK_F1 + unsigned(n - 1);
                return true;
            }
        }
        return false;
    }
    char* end = nullptr;
    const unsigned long n = std::strtoul(name.c_str(), &end, 0);
    if (name.empty() || name[0] == '-' || !end || *end || n < 1 || n > 254) return false;
    vk = unsigned(n);
    return true;
}

bool is_extended_key(unsigned vk) {
    switch (vk) {
        case VK_PRIOR:
        case VK_NEXT:
        case VK_END:
        case VK_HOME:
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
        case VK_INSERT:
        case VK_DELETE:
        case VK_APPS:
        case VK_RCONTROL:
        case VK_RMENU:
        case VK_DIVIDE:
        case VK_NUMLOCK: return true;
        default: return false;
    }
}

LPARAM key_lparam(unsigned scan, bool extended, bool up) {
    DWORD lp = 1 | ((scan & 0xFF) << 16);  // one keystroke, no repeat
    if (extended) lp |= 1u << 24;
    if (up) lp |= (1u << 30) | (1u << 31);  // was down, is being released
    return static_cast<LPARAM>(lp);
}

bool post_key(HWND hwnd, unsigned vk, KeyAction action, std::string& err) {
    if (!IsWindow(hwnd)) {
        err = "not a window: " + hex(hwnd);
        return false;
    }
    const unsigned scan = MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
    const bool ext = is_extended_key(vk);
    if (action != KeyAction::Up && !post(hwnd, WM_KEYDOWN, vk, key_lparam(scan, ext, false), err)) return false;
    // A key is held for a moment, so that the character TranslateMessage
    // makes of the press comes before the release, as from a keyboard.
    if (action == KeyAction::Press) {
        Sleep(kKeyHoldMs);
        // A press may close its window (a menu, a dialog): the release
        // then has nowhere to go, as with a real keyboard.
        if (!IsWindow(hwnd)) return true;
    }
    if (action != KeyAction::Down && !post(hwnd, WM_KEYUP, vk, key_lparam(scan, ext, true), err))
        return action == KeyAction::Press && !IsWindow(hwnd);
    return true;
}

bool post_chars(HWND hwnd, const std::string& bytes, DWORD delay_ms, std::string& err) {
    if (!IsWindow(hwnd)) {
        err = "not a window: " + hex(hwnd);
        return false;
    }
    for (size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        const SHORT key = VkKeyScanA(static_cast<CHAR>(c));
        const unsigned scan = key == -1 ? 0 : MapVirtualKeyA(LOBYTE(key), MAPVK_VK_TO_VSC);
        if (!post(hwnd, WM_CHAR, c, key_lparam(scan, false, false), err)) return false;
        if (delay_ms && i + 1 < bytes.size()) Sleep(delay_ms);
    }
    return true;
}

}  // namespace e2e
