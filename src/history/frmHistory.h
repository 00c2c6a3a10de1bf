#pragma once
#include <memory>
#include <string>
#include <vector>

#include "common/EventBindings.h"
#include "history/HistoryView.h"
#include "history/Recorder.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/Desktop.h"
#include "platform/Window.h"

namespace netvik {

// The controls of the History window, by name, in its layout's order.
struct HistoryControls {
    platform::Window& form;
    platform::Label& lblSummary;  // the last 24 hours, 7 days and 30 days, a line each
    platform::ListView& lstOutages;
    platform::Label& lblNotes;
    platform::Button& cmdCopy;
    platform::Button& cmdOpen;
    platform::Button& cmdClose;
};

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
