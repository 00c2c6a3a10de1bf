#pragma once
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "fakes/CallLog.h"
#include "platform/ShellNotify.h"

namespace netvik::fakes {

struct ShellCall {
    platform::NotifyMessage message;
    platform::NotifyIconData record;
    bool accepted;
};

// The notification area as the shell keeps it: one icon per owner window and
// id; a second add for the same icon, and a change or delete of a missing
// one, are refused.
class FakeShell : public platform::ShellNotify {
public:
    explicit FakeShell(CallLog& log) : log_(log) {}

    bool NotifyIcon(platform::NotifyMessage message, const platform::NotifyIconData& data) override {
        const auto key = std::make_pair(data.hWnd, data.uID);
        const bool exists = icons.count(key) != 0;
        bool accepted = false;
        switch (message) {
            case platform::NotifyMessage::Add:
                accepted = !exists;
                if (accepted) icons[key] = data;
                log_.Add("Shell Add");
                break;
            case platform::NotifyMessage::Modify:
                accepted = exists;
                if (accepted) icons[key] = data;
                log_.Add("Shell Modify icon=" + std::to_string(data.hIcon) + " tip=" + TipOf(data));
                break;
            case platform::NotifyMessage::Delete:
                accepted = exists;
                icons.erase(key);
                log_.Add("Shell Delete");
                break;
        }
        calls.push_back({message, data, accepted});
        return accepted;
    }

    // A balloon over a shown icon; a test may make the shell refuse them.
    bool NotifyBalloon(const platform::NotifyBalloonData& data) override {
        const bool accepted = balloonsShown && icons.count(std::make_pair(data.hWnd, data.uID)) != 0;
        if (accepted) balloons.push_back({data.szInfoTitle, data.szInfo});
        log_.Add("Shell Balloon");
        return accepted;
    }

    // The tip text of a record: what stands before its NUL.
    static std::string TipOf(const platform::NotifyIconData& data) {
        return std::string(data.szTip, strnlen(data.szTip, sizeof data.szTip));
    }
    bool Shown() const { return !icons.empty(); }
    const platform::NotifyIconData& Icon() const { return icons.begin()->second; }

    std::vector<ShellCall> calls;
    std::vector<std::pair<std::string, std::string>> balloons;  // title, text
    bool balloonsShown = true;
    std::map<std::pair<platform::WindowHandle, std::uint32_t>, platform::NotifyIconData> icons;

private:
    CallLog& log_;
};

}  // namespace netvik::fakes
