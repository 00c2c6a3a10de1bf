#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/EventBindings.h"
#include "history/HistoryView.h"
#include "history/Latency.h"
#include "history/Recorder.h"
#include "history/WeekPicture.h"
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
    kOpenButton = 1104,
    kWeekLabel = 1105,
    kWeekPicture = 1106,
    kPointedLabel = 1107,
    kOutagesLabel = 1108,
};
platform::ListViewArgs OutageColumns();
template <typename Kit>
struct HistoryParts {
    explicit HistoryParts(Kit& kit) : kit(kit) {}
    Kit& kit;
    typename Kit::Window form = kit.Make(platform::kWindowId, platform::WindowArgs{});
    typename Kit::Label lblSummary = kit.Make(kSummaryLabel, platform::LabelArgs{});  // a line for each period
    typename Kit::PaintBox picWeek = kit.Make(kWeekPicture, platform::PaintBoxArgs{});
    typename Kit::Label lblPointed = kit.Make(kPointedLabel, platform::LabelArgs{});  // what lies under the pointer
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
    history::LatencyRecorder& latency;
    platform::Clock& clock;
    platform::Desktop& desktop;
    std::function<history::ReportContext()> context;  // what the report names of the settings in force
};

// The History window: a picture of the last 7 days and of how fast the
// Internet site answered, the outages of the connection (newest first, or
// sorted by a column), and how much of the watched time of the last day,
// week and month it worked. It is modeless; one window, shown anew from the
// record each time it is asked for, and while it is open, each time the
// record changes.
class frmHistory : private HistoryControls {
public:
    static const platform::WindowLayout kLayout;

    frmHistory(platform::Loaded<HistoryControls> loaded, const HistoryServices& services);

    // Reads the record and shows the window, or brings it forward.
    void Show();
    // The record changed: an open window shows it as it is now.
    void RecordChanged();

    void picWeek_Paint(platform::Canvas& canvas);
    void picWeek_PointerMoved(int x, int y);
    void picWeek_KeyPressed(platform::Key key);
    void lstOutages_ColumnClick(std::size_t column);
    void cmdCopy_Click();
    void cmdOpen_Click();
    void cmdClose_Click();

private:
    // Reads the record into the window's texts, picture and list.
    void Fill();
    void Sort();
    std::string lstOutages_Cell(std::size_t row, std::size_t column) const;

    std::unique_ptr<platform::LoadedWindow> window_;
    HistoryServices services_;
    history::History history_;
    history::HistoryView view_;
    history::Week week_;
    history::WeekLayout layout_;              // where the picture was last painted
    std::optional<history::Pointed> chosen_;  // the moment the keyboard moved to
    std::vector<std::size_t> order_;          // the list's rows: indices of view_.rows
    std::optional<std::size_t> sortedBy_;     // the column the list is sorted by, none: newest first
    bool descending_ = false;
    EventBindings events_;
};

}  // namespace netvik
