#include "history/frmHistory.h"

#include "history/HistoryTexts.h"

namespace netvik {

namespace {

using platform::ControlKind;

// A summary above the list, notes below it, three buttons at the bottom.
constexpr platform::ControlLayout kControls[] = {
    {ControlKind::Label, kSummaryLabel, "", 165, 165, 10935, 690, platform::kNoPrefix},
    {ControlKind::ListView, kOutageList, "", 165, 975, 10935, 3420},
    {ControlKind::Label, kNotesLabel, "", 165, 4485, 10935, 495, platform::kNoPrefix},
    {ControlKind::Button, kCopyButton, history::texts::kCopyCaption, 7140, 5145, 1260, 345, platform::kGroup},
    {ControlKind::Button, kOpenButton, history::texts::kOpenCaption, 8490, 5145, 1260, 345},
    {ControlKind::Button, platform::kCancelId, history::texts::kCloseCaption, 9840, 5145, 1260, 345},
};

}  // namespace

const platform::WindowLayout frmHistory::kLayout = {
    platform::WindowKind::Window, history::texts::kCaption, 11250, 5655, kControls, std::size(kControls)};

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
    events_.Bind(lstOutages.Cell, [this](std::size_t row, std::size_t column) { return lstOutages_Cell(row, column); });
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
    const history::History history = history::ReadHistory(services_.recorder, services_.clock.Now());
    history::HistoryView view = history::MakeView(history);
    report_ = history::MakeReport(history, view);
    std::string summary;
    for (const std::string& line : view.summary) summary.append(summary.empty() ? "" : "\r\n").append(line);
    lblSummary.SetCaption(summary);
    rows_ = std::move(view.rows);
    lstOutages.SetRowCount(rows_.size());
    lblNotes.SetCaption(view.notes);
}

std::string frmHistory::lstOutages_Cell(std::size_t row, std::size_t column) const {
    if (row >= rows_.size() || column >= history::kColumns.size()) return {};
    return rows_[row].*history::kColumns[column].cell;
}

// A button that fails says so where the notes stand.
void frmHistory::cmdCopy_Click() {
    if (!services_.desktop.CopyText(report_)) lblNotes.SetCaption(std::string(history::texts::kNotCopied));
}

void frmHistory::cmdOpen_Click() {
    if (!services_.desktop.Open(services_.recorder.File().Path())) {
        lblNotes.SetCaption(std::string(history::texts::kNotOpened));
    }
}

void frmHistory::cmdClose_Click() { form.Hide(); }

}  // namespace netvik
