#pragma once
#include "platform/Application.h"

namespace netvik::win32 {

// The process: its single-instance mark, its file and its end.
class Win32Application : public platform::Application {
public:
    // The single-instance mark: a named mutex that lives as long as the
    // process that created it first.
    static constexpr char kInstanceMutex[] = "Netvik.SingleInstance";

    // mainWindowClass: the class of the program's main window, by which a
    // running instance is found when the mark cannot tell.
    explicit Win32Application(const char* mainWindowClass) : mainWindowClass_(mainWindowClass) {}
    ~Win32Application() override;
    Win32Application(const Win32Application&) = delete;
    Win32Application& operator=(const Win32Application&) = delete;

    [[noreturn]] void End() override;
    platform::InstanceMark ClaimInstanceMark() override;
    bool OtherInstanceWindow() const override;
    platform::FilePath ExecutablePath() const override;

private:
    const char* mainWindowClass_;
    void* instanceMutex_ = nullptr;
};

}  // namespace netvik::win32
