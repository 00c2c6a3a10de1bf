#pragma once
#include <functional>
#include <string>
#include <vector>

#include "fakes/CallLog.h"
#include "platform/MessageBoxes.h"

namespace netvik::fakes {

struct ShownMessage {
    std::string text;
    std::string title;
    platform::MessageIcon icon;
    platform::MessagePlace place;
};

// The system's message boxes, and the program's where a test needs no more:
// every box shown, in order. What the user does while a box is up runs in
// whileShown, as in its real modal loop.
class FakeMessageBoxes : public platform::MessageBoxService, public platform::MessageBoxes {
public:
    explicit FakeMessageBoxes(CallLog& log) : log_(log) {}
    void Show(const std::string& text, const std::string& title, platform::MessageIcon icon,
              platform::MessagePlace place) override {
        shown.push_back({text, title, icon, place});
        log_.Add("MessageBox " + title);
        if (whileShown) whileShown();
    }
    void Show(const std::string& text, const std::string& title, platform::MessageIcon icon) override {
        Show(text, title, icon, platform::MessagePlace::OverWindow);
    }
    std::vector<ShownMessage> shown;
    std::function<void()> whileShown;

private:
    CallLog& log_;
};

}  // namespace netvik::fakes
