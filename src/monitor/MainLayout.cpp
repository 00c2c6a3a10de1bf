// The settings panel as it is laid out: at 96 dots per inch every control
// stands where the panel's first design put it, 15 twips to the pixel.
#include "common/PanelDesign.h"
#include "monitor/MainControls.h"
#include "monitor/MonitorTexts.h"
#include "monitor/frmNetvikmain.h"

namespace netvik {

namespace {

using platform::ControlKind;
using platform::kGroup;
using platform::kVerticalCentre;

constexpr platform::ControlLayout kControls[] = {
    {ControlKind::Frame, IDC_FRAIPADDR, "IP-addresses", 165, 150, 5535, 1710},
    {ControlKind::Label, IDC_LBLIIP, "Internet", 360, 540, 900, 195, kGroup},
    {ControlKind::TextBox, IDC_TXTIIP, "1.1.1.1", 1350, 495, 2700, 345, kGroup,
     "IP of a fast and reliable internetsite (not your own internet IP!)."},
    {ControlKind::Button, IDC_CMDINAME, "&Name", 4230, 495, 1260, 345},
    {ControlKind::Label, IDC_LBLHIP, "Host", 360, 975, 900, 195, kGroup},
    {ControlKind::TextBox, IDC_TXTHIP, "192.168.0.1", 1350, 930, 2700, 345, 0,
     "Network IP of the PC through which you are connected to the internet."},
    {ControlKind::Button, IDC_CMDGETH, "Get", 4230, 930, 1260, 345},
    {ControlKind::Label, IDC_LBLCIP, "Computer", 360, 1410, 900, 195, kGroup},
    {ControlKind::TextBox, IDC_TXTCIP, "192.168.0.2", 1350, 1365, 2700, 345, 0, "Network IP of this PC."},
    {ControlKind::Button, IDC_CMDGETC, "Get", 4230, 1365, 1260, 345},
    {ControlKind::Label, IDC_LBLREFRESHRATE, "Refreshrate (minutes):", 210, 2055, 3375, 195, kGroup},
    {ControlKind::Slider, IDC_SLDREFRESH, "", 165, 2295, 5535, 540, 0,
     "Time to pass before checking the Internet connection."},
    {ControlKind::Label, IDC_LBLRETRIEVE, "Internet IP-address of this computer:", 210, 3030, 3375, 195, kGroup},
    {ControlKind::Label, IDC_LBLREALIP, "", 210, 3315, 3870, 300, kVerticalCentre},
    {ControlKind::Button, IDC_CMDRETRIEVE, "R&etrieve", 4230, 3285, 1260, 345, kGroup, "Retrieve the Real IP address."},
    {ControlKind::CheckBox, IDC_CHKSTARTUP, "Load Netvik at Windows startup", 210, 3750, 4500, 240, kGroup},
    {ControlKind::Frame, IDC_FRASA_RE, "", 165, 4050, 2160, 690, kGroup},
    {ControlKind::Button, IDC_CMDSAVE, "&Save", 270, 4260, 945, 345},
    {ControlKind::Button, IDC_CMDRESTORE, "&Restore", 1260, 4260, 945, 345},
    {ControlKind::Frame, IDC_FRACA_OK, "", 2430, 4050, 2160, 690, kGroup},
    {ControlKind::Button, IDC_CMDOK, "&Ok", 2550, 4260, 945, 345},
    {ControlKind::Button, IDC_CMDCANCEL, "&Cancel", 3540, 4260, 945, 345},
    {ControlKind::Button, IDC_CMDQUIT, "&Quit", 4755, 4260, 945, 345, kGroup},
};

}  // namespace

const platform::WindowLayout kMainLayout = {
    platform::WindowKind::Panel, monitor_texts::kMainCaption, 5850, 4875, kControls, std::size(kControls)};

platform::TimerArgs CountdownTimer() { return {frmNetvikmain::kCountdownInterval, true}; }
platform::TimerArgs ResumeTimer() { return {frmNetvikmain::kResumeDelay}; }
platform::TimerArgs TraceTimer() { return {frmNetvikmain::kTracePoll}; }

platform::PicturesArgs TrayPictures() {
    platform::PicturesArgs pictures;
    pictures.trayIcons = {IDI_TRAY_CHECKING, IDI_TRAY_DISABLED, IDI_TRAY_ERROR,
                          IDI_TRAY_COMPUTER, IDI_TRAY_HOST,     IDI_TRAY_INTERNET};
    return pictures;
}

platform::TextBoxArgs AddressBox() {
    platform::TextBoxArgs box;
    box.maxLength = panel_design::kAddressMaxLength;
    return box;
}

platform::SliderArgs RefreshSlider() {
    platform::SliderArgs slider;
    slider.min = panel_design::kRefreshMin;
    slider.max = panel_design::kRefreshMax;
    slider.smallChange = panel_design::kRefreshSmallChange;
    slider.largeChange = panel_design::kRefreshLargeChange;
    slider.tickFrequency = 1;
    slider.value = panel_design::kRefreshDesignValue;
    return slider;
}

}  // namespace netvik
