#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "platform/Controls.h"

namespace netvik::platform {

// A colour as 0xRRGGBB.
using Colour = std::uint32_t;

// A rectangle of a control, in its pixels from its top left.
struct Box {
    int left, top, width, height;
};

// What a picture is painted with, in the control's own pixels and its font.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void Fill(const Box& box, Colour colour) = 0;
    // Text with its top left at the point.
    virtual void Text(int left, int top, const std::string& text, Colour colour) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight() = 0;
};

// The keys that move along a picture.
enum class Key { Left, Right, Up, Down, Home, End };

// A control that the program paints itself; it takes the keyboard's focus
// when the user tabs to it or clicks it.
class PaintBox : public Control {
public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Focused() const = 0;
    // Paint runs again, soon.
    virtual void Redraw() = 0;

    std::function<void(Canvas& canvas)> Paint;
    std::function<void(int x, int y)> PointerMoved;
    std::function<void(Key key)> KeyPressed;
};

}  // namespace netvik::platform
