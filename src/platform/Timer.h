#pragma once
#include <cstdint>
#include <functional>

namespace netvik::platform {

// A window timer: Tick runs once per interval while it is enabled.
class Timer {
public:
    virtual ~Timer() = default;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual std::uint32_t Interval() const = 0;  // milliseconds
    virtual void SetInterval(std::uint32_t milliseconds) = 0;

    std::function<void()> Tick;
};

}  // namespace netvik::platform
