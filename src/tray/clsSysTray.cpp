#include "tray/clsSysTray.h"

#include <algorithm>
#include <cstring>

namespace netvik {

namespace {

// Sets a flag for the lifetime of a scope, clearing it however the scope ends.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagGuard() { flag_ = false; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& flag_;
};

}  // namespace

clsSysTray::clsSysTray(platform::ShellNotify& shell) : shell_(shell) {
    record_.cbSize = sizeof(platform::NotifyIconData);
    record_.uID = kIconId;
    record_.uFlags = kFlags;
    record_.uCallbackMessage = platform::kTrayCallbackMessage;
}

clsSysTray::~clsSysTray() = default;

void clsSysTray::SourceWindow(const TraySource& vData) {
    sourceWindow_ = &vData.window;
    checkTimer_ = &vData.timer;
    pichook_ = vData.window.CreateTrayHook(*this);
    record_.hWnd = pichook_->Handle();
}

void clsSysTray::MinToSysTray() {
    Notify(platform::NotifyMessage::Add);
    shown_ = true;
    if (sourceWindow_ != nullptr) sourceWindow_->Hide();
    if (WentToTray) WentToTray();
}

void clsSysTray::RemoveFromSysTray() {
    record_.cbSize = sizeof(platform::NotifyIconData);
    record_.hWnd = pichook_ != nullptr ? pichook_->Handle() : 0;
    record_.uID = kIconId;
    Notify(platform::NotifyMessage::Delete);
    shown_ = false;
}

void clsSysTray::ChangeIcon(platform::IconHandle toNewIcon) {
    if (pichook_ != nullptr) {
        pichook_->SetPicture(toNewIcon);
        record_.hIcon = pichook_->Picture();
    } else {
        record_.hIcon = toNewIcon;
    }
    Notify(platform::NotifyMessage::Modify);
}

void clsSysTray::ChangeToolTip(const std::string& cNewTip) {
    // The tip, one NUL, then blanks to the end of the field. A longer tip is
    // cut so that the NUL still fits.
    const std::size_t length = std::min(cNewTip.size(), sizeof record_.szTip - 1);
    std::memset(record_.szTip, ' ', sizeof record_.szTip);
    std::memcpy(record_.szTip, cNewTip.data(), length);
    record_.szTip[length] = '\0';
    Notify(platform::NotifyMessage::Modify);
    if (sourceWindow_ != nullptr && sourceWindow_->State() == platform::WindowState::Minimized) {
        sourceWindow_->SetCaption(cNewTip);
    }
}

bool clsSysTray::ShowBalloon(const std::string& title, const std::string& text, bool warning) {
    platform::NotifyBalloonData balloon{};
    balloon.cbSize = sizeof balloon;
    balloon.hWnd = record_.hWnd;
    balloon.uID = record_.uID;
    balloon.uFlags = platform::kNotifyInfo;
    // Cut to the fields, each kept terminated.
    text.copy(balloon.szInfo, sizeof balloon.szInfo - 1);
    title.copy(balloon.szInfoTitle, sizeof balloon.szInfoTitle - 1);
    balloon.dwInfoFlags = warning ? platform::kBalloonWarningIcon : platform::kBalloonInfoIcon;
    return shell_.NotifyBalloon(balloon);
}

bool clsSysTray::Notify(platform::NotifyMessage message) { return shell_.NotifyIcon(message, record_); }

void clsSysTray::OnTrayCallback(std::int32_t mouseMessage) {
    if (busy_) return;
    FlagGuard busy(busy_);
    switch (mouseMessage) {
        case kLeftDoubleClick: RestoreFromSysTray(); break;
        case kRightButtonUp:
            if (RButtonUp) RButtonUp();
            break;
        case kBalloonClicked:
            if (BalloonClicked) BalloonClicked();
            [[fallthrough]];  // the balloon is gone too
        case kBalloonHidden:
        case kBalloonTimedOut:
            if (BalloonClosed) BalloonClosed();
            break;
        default: break;
    }
}

void clsSysTray::OnTaskbarCreated() {
    if (shown_) Notify(platform::NotifyMessage::Add);
}

void clsSysTray::RestoreFromSysTray() {
    if (checkTimer_ != nullptr) checkTimer_->SetEnabled(false);
    if (sourceWindow_ != nullptr) sourceWindow_->SetState(platform::WindowState::Normal);
    RemoveFromSysTray();
    if (sourceWindow_ != nullptr) sourceWindow_->Show();
    if (Restored) Restored();
}

}  // namespace netvik
