#pragma once
#include <functional>
#include <string>
#include <utility>

#include "platform/MessageBoxes.h"

namespace netvik {

// The main window's modal windows: its message boxes and dialogs. It knows
// whether one is open, so that a button that opens a dialog does nothing
// while one is, and so that a failure arriving meanwhile (a timer tick in a
// modal loop) waits until the last of them has closed instead of opening a
// box over the user's dialog.
class ModalWindows : public platform::MessageBoxes {
public:
    explicit ModalWindows(platform::MessageBoxes& boxes) : boxes_(boxes) {}

    void Show(const std::string& text, const std::string& title, platform::MessageIcon icon) override {
        Run([&] { boxes_.Show(text, title, icon); });
    }

    // Runs show, which returns once its modal window has closed.
    template <typename ShowModal>
    void Run(ShowModal show) {
        ++open_;
        show();
        if (--open_ == 0 && waiting_) std::exchange(waiting_, nullptr)();
    }

    bool AnyOpen() const { return open_ > 0; }

    // Runs action now when no modal window is open, else once the last one
    // has closed (only the latest action waits).
    void WhenNoneOpen(std::function<void()> action) {
        if (open_ == 0) return action();
        waiting_ = std::move(action);
    }

private:
    platform::MessageBoxes& boxes_;
    int open_ = 0;
    std::function<void()> waiting_;
};

}  // namespace netvik
