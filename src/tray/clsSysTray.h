#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/ShellNotify.h"
#include "platform/Timer.h"
#include "platform/Window.h"

namespace netvik {

// The window that owns the tray icon, and the check timer that must stop
// while that window is open as the settings panel.
struct TraySource {
    platform::Window& window;
    platform::Timer& timer;
};

// The program's single notification-area icon: adds, changes and deletes it
// through the shell, keeps its picture and tip between calls, and turns the
// shell's mouse callbacks into actions.
class clsSysTray : private platform::TrayCallbackSink {
public:
    static constexpr std::uint32_t kIconId = 1;
    static constexpr std::uint32_t kFlags = 7;  // NIF_MESSAGE | NIF_ICON | NIF_TIP
    static constexpr std::int32_t kLeftDoubleClick = 0x203;
    static constexpr std::int32_t kRightButtonUp = 0x205;
    // What the shell reports of a balloon: it went away (hidden, or its time
    // ran out), or the user clicked it.
    static constexpr std::int32_t kBalloonHidden = 0x403;
    static constexpr std::int32_t kBalloonTimedOut = 0x404;
    static constexpr std::int32_t kBalloonClicked = 0x405;

    explicit clsSysTray(platform::ShellNotify& shell);
    ~clsSysTray() override;
    clsSysTray(const clsSysTray&) = delete;
    clsSysTray& operator=(const clsSysTray&) = delete;

    // Hands over the owning window; set once, before any other operation.
    void SourceWindow(const TraySource& vData);

    void MinToSysTray();
    // Brings the window back as a double-click on the icon does: the check
    // timer stops, the icon goes, the window shows and Restored is raised.
    void RestoreFromSysTray();
    void RemoveFromSysTray();
    void ChangeIcon(platform::IconHandle toNewIcon);
    void ChangeToolTip(const std::string& cNewTip);
    // A balloon over the shown icon, with an information or a warning sign;
    // the icon's picture and tip stay. A shell without balloons shows none.
    // False when the shell refuses it.
    bool ShowBalloon(const std::string& title, const std::string& text, bool warning);

    // Raised when the right mouse button is released over the icon.
    std::function<void()> RButtonUp;
    // Raised when the program has gone into the tray (it leaves the task
    // list), and when a double-click has brought the window back (it shows
    // in the task list again, and holds the sockets library while open).
    std::function<void()> WentToTray;
    std::function<void()> Restored;
    // Raised when the user clicks a balloon, and when one goes away.
    std::function<void()> BalloonClicked;
    std::function<void()> BalloonClosed;

    const platform::NotifyIconData& Record() const { return record_; }

private:
    void OnTrayCallback(std::int32_t mouseMessage) override;
    // The shell started afresh with an empty notification area: the icon
    // goes back as it was, if it was there.
    void OnTaskbarCreated() override;
    bool Notify(platform::NotifyMessage message);

    platform::ShellNotify& shell_;
    platform::Window* sourceWindow_ = nullptr;
    platform::Timer* checkTimer_ = nullptr;
    std::unique_ptr<platform::TrayHook> pichook_;
    platform::NotifyIconData record_{};
    bool busy_ = false;
    bool shown_ = false;  // the icon was added and not deleted since
};

}  // namespace netvik
