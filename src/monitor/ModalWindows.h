#pragma once
#include <functional>
#include <string>
#include <utility>

#include "platform/MessageBoxes.h"
#include "platform/Window.h"

namespace netvik {

// The program's message boxes and the main window's dialogs: modal windows.
// A box stands over the main window while it is shown (or over a dialog open
// on it); with the main window hidden in the tray, it stands alone and comes
// forward of its own. It knows whether a modal window is open, so that a
// button that opens a dialog does nothing while one is, and so that a
// failure arriving meanwhile (a timer tick in a modal loop) waits until the
// last of them has closed instead of opening a box over the user's dialog.
class ModalWindows : public platform::MessageBoxes {
public:
    ModalWindows(platform::MessageBoxService& boxes, const platform::Window& mainWindow)
        : boxes_(boxes), mainWindow_(mainWindow) {}

    void Show(const std::string& text, const std::string& title, platform::MessageIcon icon) override {
        const auto place = mainWindow_.Visible() ? platform::MessagePlace::OverWindow : platform::MessagePlace::Alone;
        Run([&] { boxes_.Show(text, title, icon, place); });
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
    platform::MessageBoxService& boxes_;
    const platform::Window& mainWindow_;
    int open_ = 0;
    std::function<void()> waiting_;
};

}  // namespace netvik
