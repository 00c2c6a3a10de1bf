#pragma once
#include <functional>
#include <memory>
#include <string>

#include "platform/TrayHook.h"

namespace netvik::platform {

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// A top-level window of the program.
class Window {
public:
    virtual ~Window() = default;

    virtual void Show() = 0;  // modeless
    // Shows the window modally over its owner, which the user cannot use
    // meanwhile, and returns once the window has hidden itself.
    virtual void ShowModal() = 0;
    virtual void Hide() = 0;
    virtual bool Visible() const = 0;

    // A state set while the window is hidden is its state from then on, and
    // takes effect when the window is next shown.
    virtual WindowState State() const = 0;
    virtual void SetState(WindowState state) = 0;

    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;

    // Creates the invisible tray-icon owner as a child of this window; the
    // sink receives the shell's callbacks until the hook is destroyed.
    virtual std::unique_ptr<TrayHook> CreateTrayHook(TrayCallbackSink& sink) = 0;

    // Runs whenever the window's size or state changes, hidden or shown.
    std::function<void()> Resize;
    // Runs when the window is asked to close (its close box, the system
    // shutting down); the close is never refused.
    std::function<void()> QueryUnload;
};

// What keeps a window that is loaded on demand alive, with its controls; its
// logic uses the controls through the struct of references that comes with it.
class LoadedWindow {
public:
    virtual ~LoadedWindow() = default;
};

template <typename Controls>
struct Loaded {
    std::unique_ptr<LoadedWindow> window;
    Controls controls;
};

}  // namespace netvik::platform
