#pragma once
#include <memory>
#include <string>
#include <vector>

#include "common/EventBindings.h"
#include "history/HistoryView.h"
#include "history/Recorder.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/Layout.h"
#include "platform/Parts.h"

namespace netvik {

// The controls of the History window, by name (platform/Parts.h).
enum HistoryId : int {
    kSummaryLabel = 1100,
    kOutageList = 1101,
    kNotesLabel = 1102,
    kCopyButton = 1103,
    kOpenButton = 1104
};
platform::ListViewArgs OutageColumns();
template <typename Kit>
struct HistoryParts {
    explicit HistoryParts(Kit& kit) : kit(kit) {}
    Kit& kit;
    typename Kit::Window form = kit.Make(platform::kWindowId, platform::WindowArgs{});
    typename Kit::Label lblSummary = kit.Make(kSummaryLabel, platform::LabelArgs{});  // a line for each period
    typename Kit::ListView lstOutages = kit.Make(kOutageList, OutageColumns());
    typename Kit::Label lblNotes = kit.Make(kNotesLabel, platform::LabelArgs{});
    typename Kit::Button cmdCopy = kit.Make(kCopyButton, platform::ButtonArgs{});
    typename Kit::Button cmdOpen = kit.Make(kOpenButton, platform::ButtonArgs{});
    typename Kit::Button cmdClose = kit.Make(platform::kCancelId, platform::ButtonArgs{});  // Esc is Close
};
using HistoryControls = HistoryParts<platform::View>;

// What the History window needs beyond its controls.
struct HistoryServices {
    history::Recorder& recorder;
    platform::Clock& clock;
    platform::Desktop& desktop;
};

// The History window: the outages of the connection, newest first, and how
// much of the watched time of the last day, week and month it worked. It is
// modeless; one window, shown anew from the record each time it is asked for,
// and while it is open, each time the record changes.
class frmHistory : private HistoryControls {
public:
    static const platform::WindowLayout kLayout;

    frmHistory(platform::Loaded<HistoryControls> loaded, const HistoryServices& services);

    // Reads the record and shows the window, or brings it forward.
    void Show();
    // The record changed: an open window shows it as it is now.
    void RecordChanged();

    void cmdCopy_Click();
    void cmdOpen_Click();
    void cmdClose_Click();

private:
    // Reads the record into the window's texts and list.
    void Fill();
    std::string lstOutages_Cell(std::size_t row, std::size_t column) const;

    std::unique_ptr<platform::LoadedWindow> window_;
    HistoryServices services_;
    std::vector<history::OutageRow> rows_;  // what the list shows
    std::string report_;                    // the report of what the window shows
    EventBindings events_;
};

}  // namespace netvik
