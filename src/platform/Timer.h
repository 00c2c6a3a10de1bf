#pragma once
#include <cstdint>

namespace netvik::platform {

// A window timer. Its ticks reach the owning window's handler.
class Timer {
public:
    virtual ~Timer() = default;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual std::uint32_t Interval() const = 0;  // milliseconds
    virtual void SetInterval(std::uint32_t milliseconds) = 0;
};

}  // namespace netvik::platform
