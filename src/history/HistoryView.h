#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "history/HistoryTexts.h"
#include "history/Reading.h"

namespace netvik::history {

// One row of the outage list.
struct OutageRow {
    std::string from;    // between the last check with a connection and the first without
    std::string to;      // between the last check without and the first with; or why it is not known
    std::string length;  // how long it was watched down
    std::string where;   // where the chain broke
};

// The list's columns, in order: each one's title, width (twips) and cell.
// The list, its rows and the report's lines are made from them.
struct Column {
    std::string_view title;
    int width;
    std::string OutageRow::*cell;
};
inline constexpr std::array<Column, 4> kColumns = {{
    {texts::kFromColumn, 2145, &OutageRow::from},
    {texts::kToColumn, 2145, &OutageRow::to},
    {texts::kLengthColumn, 1125, &OutageRow::length},
    {texts::kWhereColumn, 5355, &OutageRow::where},
}};

// The list shows at most this many outages, the newest.
inline constexpr std::size_t kMaxRows = 1000;

struct HistoryView {
    std::array<std::string, 3> summary;  // the last 24 hours, 7 days, 30 days
    std::vector<OutageRow> rows;         // the list's rows: the first outages, the newest
    std::string notes;                   // what the window says besides: sentences, or nothing
};

OutageRow MakeRow(const Outage& outage);
HistoryView MakeView(const History& history);

// The plain text that "Copy report" puts on the clipboard: the summary, the
// outages of the last 30 days (of those the view lists) and the notes,
// lines ending in CR LF.
std::string MakeReport(const History& history, const HistoryView& view);

// Where the chain broke, for a verdict without a connection; and what
// stopped the watching, for a state in which nothing was watched.
std::string_view PlaceWords(State outage);
std::string_view GapWords(State gap);

}  // namespace netvik::history
