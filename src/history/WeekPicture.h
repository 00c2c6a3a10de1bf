#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

#include "history/Week.h"
#include "platform/Picture.h"

namespace netvik::history {

// The colours of the week's picture: those of the tray icons for what the
// checks saw, one neutral grey for the time not watched.
platform::Colour ColourOf(Shade shade);

// Where the picture's parts stand in a control of that size, in its pixels:
// the days' names at the left, their strips one under the other with the
// hours under them, and the round-trip chart below with its caption.
struct WeekLayout {
    int nameWidth = 0;
    platform::Box strips{};  // all seven
    int rowHeight = 0, stripHeight = 0;
    int hoursTop = 0;
    platform::Box chart{};
    int captionTop = 0;
};
WeekLayout LayOutWeek(int width, int height, int textHeight, int nameWidth);

// A point of the picture: a moment of a day's strip, or an hour of the chart.
struct Pointed {
    std::size_t day = 0;
    std::int64_t at = 0;
    std::optional<std::size_t> hour;  // an index into the week's hours
};
std::optional<Pointed> PointAt(const Week& week, const WeekLayout& layout, int x, int y);

// Paints the week; a moment the keyboard chose is marked.
void PaintWeek(platform::Canvas& canvas, const Week& week, const WeekLayout& layout,
               const std::optional<Pointed>& chosen);

}  // namespace netvik::history
