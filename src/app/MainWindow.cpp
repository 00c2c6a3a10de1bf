#include "app/MainWindow.h"

namespace netvik::app {

namespace {

// A window of the program over the panel, loaded on demand, and its logic's
// view of its controls.
template <template <typename> class Controls>
platform::Loaded<Controls<platform::View>> Load(HINSTANCE instance, HWND owner, const platform::WindowLayout& layout) {
    auto form = std::make_unique<Form<Controls>>(instance, owner, layout);
    const Controls<platform::View> controls = form->Logic();
    return {std::move(form), controls};
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance) : instance_(instance), panel_(instance, nullptr, kMainLayout) {}

platform::Loaded<GatewayIPsControls> MainWindow::LoadGatewayIPs() {
    return Load<GatewayIPsParts>(instance_, Hwnd(), frmGatewayIPs::kLayout);
}

platform::Loaded<IAddressControls> MainWindow::LoadIAddress() {
    return Load<IAddressParts>(instance_, Hwnd(), frmIAddress::kLayout);
}

// The History window has no owner: it is a window of its own.
platform::Loaded<HistoryControls> MainWindow::LoadHistory() {
    return Load<HistoryParts>(instance_, nullptr, frmHistory::kLayout);
}

}  // namespace netvik::app
