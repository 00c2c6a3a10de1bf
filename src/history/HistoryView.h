#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "history/Reading.h"

namespace netvik::history {

// One row of the outage list.
struct OutageRow {
    std::string from;    // between the last check with a connection and the first without
    std::string to;      // between the last check without and the first with; or why it is not known
    std::string length;  // how long it was watched down
    std::string where;   // where the chain broke
};

// The list shows at most this many outages, the newest.
inline constexpr std::size_t kMaxRows = 1000;

struct HistoryView {
    std::array<std::string, 3> summary;  // the last 24 hours, 7 days, 30 days
    std::size_t rows = 0;                // the list shows the first so many outages, the newest
    std::string notes;                   // what the window says besides: sentences, or nothing
};

OutageRow MakeRow(const Outage& outage);
HistoryView MakeView(const History& history);

// The plain text that "Copy report" puts on the clipboard: the summary, the
// outages of the last 30 days (of those the view lists) and the notes,
// lines ending in CR LF.
std::string MakeReport(const History& history, const HistoryView& view);

}  // namespace netvik::history
