#include "history/frmHistory.h"

#include "history/HistoryTexts.h"

namespace netvik {

frmHistory::frmHistory(platform::Loaded<HistoryControls> loaded, const HistoryServices& services)
    : HistoryControls(loaded.controls), window_(std::move(loaded.window)), services_(services) {
    events_.Bind(cmdCopy.Click, [this] { cmdCopy_Click(); });
    events_.Bind(cmdOpen.Click, [this] { cmdOpen_Click(); });
    events_.Bind(cmdClose.Click, [this] { cmdClose_Click(); });
    events_.Bind(form.QueryUnload, [this] { cmdClose_Click(); });  // the close box and Esc are Close
}

void frmHistory::Show() {
    const history::History history = services_.recorder.Read(services_.clock.Now());
    const history::HistoryView view = history::MakeView(history);
    report_ = history::MakeReport(history, view);
    std::string summary;
    for (const std::string& line : view.summary) summary.append(summary.empty() ? "" : "\r\n").append(line);
    lblSummary.SetCaption(summary);
    lstOutages.Clear();
    for (std::size_t i = 0; i < view.rows; ++i) {
        const history::OutageRow row = history::MakeRow(history.analysis.outages[i]);
        lstOutages.AddRow({row.from.c_str(), row.to.c_str(), row.length.c_str(), row.where.c_str()});
    }
    lblNotes.SetCaption(view.notes);
    form.Show();
}

// A button that fails says so where the notes stand.
void frmHistory::cmdCopy_Click() {
    if (!services_.desktop.CopyText(report_)) lblNotes.SetCaption(std::string(history::texts::kNotCopied));
}

void frmHistory::cmdOpen_Click() {
    if (!services_.desktop.Open(services_.recorder.Path())) {
        lblNotes.SetCaption(std::string(history::texts::kNotOpened));
    }
}

void frmHistory::cmdClose_Click() { form.Hide(); }

}  // namespace netvik
