#pragma once
#include <memory>
#include <utility>
#include <vector>

namespace netvik::app {

// The wrappers of a window's controls, each made once and kept for as long
// as the window: Make hands back a reference to the part it made. The parts
// go in the reverse order of their making.
class OwnedParts {
public:
    OwnedParts() = default;
    ~OwnedParts() {
        while (!parts_.empty()) parts_.pop_back();
    }
    OwnedParts(const OwnedParts&) = delete;
    OwnedParts& operator=(const OwnedParts&) = delete;

    template <typename Part, typename... Arguments>
    Part& Make(Arguments&&... arguments) {
        auto held = std::make_unique<Held<Part>>(std::forward<Arguments>(arguments)...);
        Part& part = held->part;
        parts_.push_back(std::move(held));
        return part;
    }

private:
    struct Holder {
        virtual ~Holder() = default;
    };
    template <typename Part>
    struct Held : Holder {
        template <typename... Arguments>
        explicit Held(Arguments&&... arguments) : part(std::forward<Arguments>(arguments)...) {}
        Part part;
    };
    std::vector<std::unique_ptr<Holder>> parts_;
};

}  // namespace netvik::app
