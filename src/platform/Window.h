#pragma once
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
    virtual void Hide() = 0;
    virtual bool Visible() const = 0;

    virtual WindowState State() const = 0;
    virtual void SetState(WindowState state) = 0;

    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;

    // Creates the invisible tray-icon owner as a child of this window; the
    // sink receives the shell's callbacks until the hook is destroyed.
    virtual std::unique_ptr<TrayHook> CreateTrayHook(TrayCallbackSink& sink) = 0;
};

}  // namespace netvik::platform
