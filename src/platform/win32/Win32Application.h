#pragma once
#include "platform/Application.h"

namespace netvik::win32 {

// The process: its single-instance mark, its file and its end.
class Win32Application : public platform::Application {
public:
    // The single-instance mark: a named mutex that lives as long as the
    // process that created it first.
    static constexpr char kInstanceMutex[] = "Netvik.SingleInstance";

    Win32Application() = default;
    ~Win32Application() override;
    Win32Application(const Win32Application&) = delete;
    Win32Application& operator=(const Win32Application&) = delete;

    [[noreturn]] void End() override;
    bool PreviousInstance() override;
    platform::FilePath ExecutablePath() const override;

private:
    void* instanceMutex_ = nullptr;
};

}  // namespace netvik::win32
