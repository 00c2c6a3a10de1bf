#pragma once
#include <memory>
#include <string>

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
// modeless; one window, shown anew from the record each time it is asked for.
class frmHistory : private HistoryControls {
public:
    frmHistory(platform::Loaded<HistoryControls> loaded, const HistoryServices& services);

    // Reads the record and shows the window, or brings it forward.
    void Show();

    void cmdCopy_Click();
    void cmdOpen_Click();
    void cmdClose_Click();

private:
    std::unique_ptr<platform::LoadedWindow> window_;
    HistoryServices services_;
    std::string report_;  // the report of what the window shows
    EventBindings events_;
};

}  // namespace netvik
