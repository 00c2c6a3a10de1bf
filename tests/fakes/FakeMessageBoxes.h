#pragma once
#include <string>
#include <vector>

#include "fakes/CallLog.h"
#include "platform/MessageBoxes.h"

namespace netvik::fakes {

struct ShownMessage {
    std::string text;
    std::string title;
    platform::MessageIcon icon;
};

class FakeMessageBoxes : public platform::MessageBoxes {
public:
    explicit FakeMessageBoxes(CallLog& log) : log_(log) {}
    void Show(const std::string& text, const std::string& title, platform::MessageIcon icon) override {
        shown.push_back({text, title, icon});
        log_.Add("MessageBox " + title);
    }
    std::vector<ShownMessage> shown;

private:
    CallLog& log_;
};

}  // namespace netvik::fakes
