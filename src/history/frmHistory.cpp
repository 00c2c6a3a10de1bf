#include "history/frmHistory.h"

#include "history/HistoryTexts.h"

#include <algorithm>

namespace netvik {

namespace {

using platform::ControlKind;

// The summary; the picture of the week with what lies under the pointer;
// the outages; the notes; three buttons at the bottom. What follows the
// window's edges when the user resizes it: the picture's width, the list's
// width and height, the notes below it, and the buttons at the bottom right.
constexpr platform::ControlLayout kControls[] = {
    {ControlKind::Label, kSummaryLabel, "", 120, 120, 9660, 690, platform::kNoPrefix | platform::kWider},
    {ControlKind::Label, kWeekLabel, history::texts::kWeekLabel, 120, 870, 1800, 195},
    {ControlKind::Picture, kWeekPicture, "", 120, 1095, 9660, 3000, platform::kWider},
    {ControlKind::Label, kPointedLabel, "", 1920, 870, 7860, 195, platform::kNoPrefix | platform::kWider},
    {ControlKind::Label, kOutagesLabel, history::texts::kOutagesLabel, 120, 4170, 1800, 195},
    {ControlKind::ListView, kOutageList, "", 120, 4395, 9660, 1500, platform::kWider | platform::kTaller},
    {ControlKind::Label, kNotesLabel, "", 120, 5955, 9660, 495,
     platform::kNoPrefix | platform::kWider | platform::kDown},
    {ControlKind::Button, kCopyButton, history::texts::kCopyCaption, 5820, 6510, 1260, 345,
     platform::kGroup | platform::kRight | platform::kDown},
    {ControlKind::Button, kOpenButton, history::texts::kOpenCaption, 7170, 6510, 1260, 345,
     platform::kRight | platform::kDown},
    {ControlKind::Button, platform::kCancelId, history::texts::kCloseCaption, 8520, 6510, 1260, 345,
     platform::kRight | platform::kDown},
};

}  // namespace

const platform::WindowLayout frmHistory::kLayout = {
    platform::WindowKind::Window, history::texts::kCaption, 9900, 6975, kControls, std::size(kControls)};

platform::ListViewArgs OutageColumns() {
    static const auto columns = [] {
        std::array<platform::ListColumn, history::kColumns.size()> list{};
        for (std::size_t i = 0; i < list.size(); ++i) {
            list[i] = {history::kColumns[i].title.data(), history::kColumns[i].width};
        }
        return list;
    }();
    platform::ListViewArgs args;
    args.columns = columns.data();
    args.count = columns.size();
    return args;
}

frmHistory::frmHistory(platform::Loaded<HistoryControls> loaded, const HistoryServices& services)
    : HistoryControls(loaded.controls), window_(std::move(loaded.window)), services_(services) {
    events_.Bind(picWeek.Paint, [this](platform::Canvas& canvas) { picWeek_Paint(canvas); });
    events_.Bind(picWeek.PointerMoved, [this](int x, int y) { picWeek_PointerMoved(x, y); });
    events_.Bind(picWeek.KeyPressed, [this](platform::Key key) { picWeek_KeyPressed(key); });
    events_.Bind(lstOutages.Cell, [this](std::size_t row, std::size_t column) { return lstOutages_Cell(row, column); });
    events_.Bind(lstOutages.ColumnClick, [this](std::size_t column) { lstOutages_ColumnClick(column); });
    events_.Bind(cmdCopy.Click, [this] { cmdCopy_Click(); });
    events_.Bind(cmdOpen.Click, [this] { cmdOpen_Click(); });
    events_.Bind(cmdClose.Click, [this] { cmdClose_Click(); });
    events_.Bind(form.QueryUnload, [this] { cmdClose_Click(); });  // the close box and Esc are Close
}

void frmHistory::Show() {
    Fill();
    form.Show();
}

void frmHistory::RecordChanged() {
    if (form.Visible()) Fill();
}

void frmHistory::Fill() {
    const platform::Clock& clock = services_.clock;
    const history::OffsetAt offsetAt = [&clock](std::int64_t utc) { return clock.OffsetAt(utc); };
    history_ = history::ReadHistory(services_.recorder, clock.Now(), offsetAt);
    view_ = history::MakeView(history_);
    const history::Latencies latencies = history::ReadLatency(services_.latency.File(), history_.now);
    week_ = history::MakeWeek(history_, history_.live, latencies, offsetAt);
    std::string summary;
    for (const std::string& line : view_.summary) summary.append(summary.empty() ? "" : "\r\n").append(line);
    lblSummary.SetCaption(summary);
    picWeek.Redraw();
    std::vector<std::string> longest(history::kColumns.size());
    for (const history::OutageRow& row : view_.rows) {
        for (std::size_t c = 0; c < longest.size(); ++c) {
            const std::string& cell = row.*history::kColumns[c].cell;
            if (cell.size() > longest[c].size()) longest[c] = cell;
        }
    }
    lstOutages.FitColumns(longest);
    order_.resize(view_.rows.size());
    for (std::size_t i = 0; i < order_.size(); ++i) order_[i] = i;
    Sort();
    lblNotes.SetCaption(view_.notes + history::LatencyNote(latencies.skipped, !view_.notes.empty()));
}

// Newest first, or by the column chosen: by the times, the length or the
// words, not by how they read.
void frmHistory::Sort() {
    if (sortedBy_) {
        const auto key = [this](std::size_t row) -> std::int64_t {
            const history::Outage& outage = history_.analysis.outages[row];
            return *sortedBy_ == 0 ? outage.from.utc : *sortedBy_ == 1 ? outage.to.utc : outage.seconds;
        };
        const auto before = [&](std::size_t a, std::size_t b) {
            if (descending_) std::swap(a, b);
            if (*sortedBy_ == 3) return view_.rows[a].where < view_.rows[b].where;
            return key(a) < key(b);
        };
        // An insertion sort keeps rows of equal keys newest first, and the list holds at most kMaxRows.
        for (std::size_t i = 1; i < order_.size(); ++i) {
            for (std::size_t j = i; j > 0 && before(order_[j], order_[j - 1]); --j) std::swap(order_[j], order_[j - 1]);
        }
    }
    lstOutages.SetRowCount(order_.size());
}

void frmHistory::lstOutages_ColumnClick(std::size_t column) {
    descending_ = sortedBy_ == column && !descending_;
    sortedBy_ = column;
    for (std::size_t i = 0; i < order_.size(); ++i) order_[i] = i;
    Sort();
}

std::string frmHistory::lstOutages_Cell(std::size_t row, std::size_t column) const {
    if (row >= order_.size() || column >= history::kColumns.size()) return {};
    return view_.rows[order_[row]].*history::kColumns[column].cell;
}

void frmHistory::picWeek_Paint(platform::Canvas& canvas) {
    int names = 0;
    for (const history::Day& day : week_.days) names = std::max(names, canvas.TextWidth(history::DayName(day)));
    layout_ = history::LayOutWeek(picWeek.Width(), picWeek.Height(), canvas.TextHeight(), names);
    history::PaintWeek(canvas, week_, layout_, picWeek.Focused() ? chosen_ : std::nullopt);
}

void frmHistory::picWeek_PointerMoved(int x, int y) {
    const std::optional<history::Pointed> pointed = history::PointAt(week_, layout_, x, y);
    if (!pointed) return lblPointed.SetCaption("");
    const history::OffsetAt none;
    lblPointed.SetCaption(pointed->hour ? history::DescribeHour(week_.hours[*pointed->hour], none)
                                        : history::DescribeMoment(week_, pointed->day, pointed->at));
}

// Along a day an hour at a time, from day to day at the same time of day;
// Home and End go to the day's ends. Never past now.
void frmHistory::picWeek_KeyPressed(platform::Key key) {
    constexpr std::int64_t kStep = 3600;
    if (!chosen_) chosen_ = history::Pointed{week_.days.size() - 1, week_.now, std::nullopt};
    history::Pointed& at = *chosen_;
    const auto day = [&]() -> const history::Day& { return week_.days[at.day]; };
    switch (key) {
        case platform::Key::Left: at.at -= kStep; break;
        case platform::Key::Right: at.at += kStep; break;
        case platform::Key::Up:
        case platform::Key::Down: {
            const std::int64_t into = at.at - day().start;
            if (key == platform::Key::Up && at.day > 0) --at.day;
            if (key == platform::Key::Down && at.day + 1 < week_.days.size()) ++at.day;
            at.at = day().start + into;
            break;
        }
        case platform::Key::Home: at.at = day().start; break;
        case platform::Key::End: at.at = day().end - 1; break;
    }
    at.at = std::clamp(at.at, day().start, std::min(day().end - 1, week_.now));
    lblPointed.SetCaption(history::DescribeMoment(week_, at.day, at.at));
    picWeek.Redraw();
}

// A button that fails says so where the notes stand.
void frmHistory::cmdCopy_Click() {
    const history::ReportContext context = services_.context ? services_.context() : history::ReportContext{};
    const std::string report = history::MakeReport(history_, view_) + std::string(history::kLineEnd) +
                               history::MakeProviderReport(history_, view_, week_, context);
    if (!services_.desktop.CopyText(report)) lblNotes.SetCaption(std::string(history::texts::kNotCopied));
}

void frmHistory::cmdOpen_Click() {
    if (!services_.desktop.Open(services_.recorder.File().Path())) {
        lblNotes.SetCaption(std::string(history::texts::kNotOpened));
    }
}

void frmHistory::cmdClose_Click() { form.Hide(); }

}  // namespace netvik
