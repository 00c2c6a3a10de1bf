#pragma once
#include <functional>
#include <memory>
#include <string>

#include "fakes/CallLog.h"
#include "platform/Pictures.h"
#include "platform/Timer.h"
#include "platform/Window.h"

namespace netvik::fakes {

class FakeTimer : public platform::Timer {
public:
    explicit FakeTimer(CallLog& log, std::string name = "Timer", bool enabled = true)
        : enabled(enabled), log_(log), name_(std::move(name)) {}
    bool Enabled() const override { return enabled; }
    void SetEnabled(bool value) override {
        enabled = value;
        log_.Add(name_ + (value ? " on" : " off"));
    }
    std::uint32_t Interval() const override { return interval; }
    void SetInterval(std::uint32_t milliseconds) override { interval = milliseconds; }

    bool enabled = true;  // as the main window's timer is created
    std::uint32_t interval = 60000;

private:
    CallLog& log_;
    std::string name_;
};

class FakeTrayHook : public platform::TrayHook {
public:
    FakeTrayHook(platform::TrayCallbackSink& sink, platform::WindowHandle handle) : sink(sink), handle(handle) {}
    platform::WindowHandle Handle() const override { return handle; }
    void SetPicture(platform::IconHandle value) override { picture = value; }
    platform::IconHandle Picture() const override { return picture; }

    // What the shell does when the mouse acts over the icon.
    void Callback(std::int32_t mouseMessage) { sink.OnTrayCallback(mouseMessage); }
    void TaskbarCreated() { sink.OnTaskbarCreated(); }  // the shell has started afresh

    platform::TrayCallbackSink& sink;
    platform::WindowHandle handle;
    platform::IconHandle picture = 0;
};

class FakeWindow : public platform::Window {
public:
    explicit FakeWindow(CallLog& log, std::string name = "form") : log_(log), name_(std::move(name)) {}

    void Show() override {
        visible = true;
        log_.Add("Show " + name_);
    }
    // What the user does while the window is shown modally runs in
    // whileModal, as in the real modal loop; it returns once hidden.
    void ShowModal() override {
        visible = true;
        log_.Add("ShowModal " + name_);
        if (whileModal) whileModal();
        visible = false;
    }
    void Hide() override {
        visible = false;
        log_.Add("Hide " + name_);
    }
    bool Visible() const override { return visible; }
    platform::WindowState State() const override { return state; }
    void SetState(platform::WindowState value) override {
        state = value;
        log_.Add("State " + name_ + " " + std::to_string(static_cast<int>(value)));
    }
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& value) override { caption = value; }
    std::unique_ptr<platform::TrayHook> CreateTrayHook(platform::TrayCallbackSink& sink) override {
        auto created = std::make_unique<FakeTrayHook>(sink, 0x4242);
        hook = created.get();
        return created;
    }

    bool visible = false;
    std::function<void()> whileModal;
    platform::WindowState state = platform::WindowState::Normal;
    std::string caption = "Netvik";
    FakeTrayHook* hook = nullptr;

private:
    CallLog& log_;
    std::string name_;
};

class FakePictures : public platform::Pictures {
public:
    static constexpr platform::IconHandle kBase = 0x1000;
    static constexpr platform::IconHandle kProgram = 0x2000;
    platform::IconHandle TrayIcon(int index) const override { return kBase + static_cast<platform::IconHandle>(index); }
    platform::IconHandle ProgramIcon() const override { return kProgram; }
};

}  // namespace netvik::fakes
