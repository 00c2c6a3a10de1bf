#include "history/frmHistory.h"

#include "history/HistoryTexts.h"

namespace netvik {

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
    const history::HistoryView view = history::MakeView(history);
    report_ = history::MakeReport(history, view);
    std::string summary;
    for (const std::string& line : view.summary) summary.append(summary.empty() ? "" : "\r\n").append(line);
    lblSummary.SetCaption(summary);
    rows_.clear();
    for (std::size_t i = 0; i < view.rows; ++i) rows_.push_back(history::MakeRow(history.analysis.outages[i]));
    lstOutages.SetRowCount(rows_.size());
    lblNotes.SetCaption(view.notes);
}

std::string frmHistory::lstOutages_Cell(std::size_t row, std::size_t column) const {
    if (row >= rows_.size()) return {};
    const history::OutageRow& cells = rows_[row];
    switch (column) {
        case 0: return cells.from;
        case 1: return cells.to;
        case 2: return cells.length;
        case 3: return cells.where;
        default: return {};
    }
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
