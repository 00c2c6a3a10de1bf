#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "history/HistoryTexts.h"
#include "history/Reading.h"
#include "history/Week.h"

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

// What the report names besides the record: the addresses in force, the
// check interval, and the external address where Netvik learnt one.
struct ReportContext {
    std::string internet, router, external;
    int refreshMinutes = 0;
};

// The report's part for the Internet provider, after the report itself:
// what was probed, the availability of the provider's side apart from this
// PC's own, the outages of the last 30 days a line each, and the round trips
// per day of the week.
std::string MakeProviderReport(const History& history, const HistoryView& view, const Week& week,
                               const ReportContext& context);

// What the window's notes say of latency.csv's lines that were skipped; a
// blank before it when notes come first.
std::string LatencyNote(std::size_t skipped, bool after);

// Where the chain broke, for a verdict without a connection; and what
// stopped the watching, for a state in which nothing was watched.
std::string_view PlaceWords(State outage);
std::string_view GapWords(State gap);

}  // namespace netvik::history
