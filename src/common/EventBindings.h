#pragma once
#include <functional>
#include <utility>
#include <vector>

namespace netvik {

// The handlers that a window's logic sets on its controls' events. Each one
// is cleared again when the bindings go (with the logic that owns them), so
// that no event reaches a window that is gone, and no destructor has to list
// the handlers it set.
class EventBindings {
public:
    EventBindings() = default;
    ~EventBindings() {
        for (const Bound& bound : bound_) bound.clear(bound.event);
    }
    EventBindings(const EventBindings&) = delete;
    EventBindings& operator=(const EventBindings&) = delete;

    // Sets event to handler until the bindings go.
    template <typename Signature, typename Handler>
    void Bind(std::function<Signature>& event, Handler handler) {
        event = std::move(handler);
        bound_.push_back({&event, &Clear<Signature>});
    }

private:
    struct Bound {
        void* event;
        void (*clear)(void* event);
    };
    template <typename Signature>
    static void Clear(void* event) {
        *static_cast<std::function<Signature>*>(event) = nullptr;
    }
    std::vector<Bound> bound_;
};

}  // namespace netvik
