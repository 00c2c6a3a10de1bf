#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "common/EventBindings.h"
#include "platform/Layout.h"
#include "platform/MessageBoxes.h"
#include "platform/Parts.h"

namespace netvik {

// A well-known web site that answers echo requests: the dialog's Default,
// and the web-site name when nothing is stored.
inline constexpr char DefaultSiteHostName[] = "www.wikipedia.org";

// The controls of the Internet address dialog, by name (platform/Parts.h).
enum IAddressId : int {
    kUrlBox = 100,
    kDefaultButton = 101,
    kResetButton = 102,
    kWebpageLabel = 105,
    kHttpLabel = 106
};
platform::TextBoxArgs UrlBox();
template <typename Kit>
struct IAddressParts {
    explicit IAddressParts(Kit& kit) : kit(kit) {}
    Kit& kit;
    typename Kit::Window form = kit.Make(platform::kWindowId, platform::WindowArgs{});
    typename Kit::TextBox txtURL = kit.Make(kUrlBox, UrlBox());
    typename Kit::Button cmdDefault = kit.Make(kDefaultButton, platform::ButtonArgs{});
    typename Kit::Button cmdReset = kit.Make(kResetButton, platform::ButtonArgs{});
    typename Kit::Button cmdCancel = kit.Make(platform::kCancelId, platform::ButtonArgs{});
    typename Kit::Button cmdOK = kit.Make(platform::kOkId, platform::ButtonArgs{});
};
using IAddressControls = IAddressParts<platform::View>;

// What the Internet address dialog needs beyond its controls.
struct IAddressServices {
    platform::MessageBoxes& messages;
    // A host name's first address as dotted text, "1" when it cannot be
    // resolved.
    std::function<std::string(const std::string& hostName)> resolve;
};

// The dialog in which the user names a fast, reliable web site by its host
// name; Ok resolves it and puts its address into the Internet box. It lives
// for one press of the "&Name" button.
class frmIAddress : private IAddressControls {
public:
    static const platform::WindowLayout kLayout;
    static constexpr std::size_t kUrlMaxLength = 63;

    // internetBox: the main window's Internet box, which Ok fills.
    frmIAddress(platform::Loaded<IAddressControls> loaded, const IAddressServices& services,
                platform::TextBox& internetBox);

    // The name the dialog opens with, and the name it leaves behind (the one
    // accepted by Ok, else the one it opened with). A stored name longer
    // than the box holds enters it cut, and comes back whole unless the
    // user changed it.
    void SetURL(const std::string& hostName);
    std::string URL() const;
    // Shows the dialog modally; returns once it has hidden itself.
    void Show();

    void Form_Resize();
    void txtURL_KeyPress(std::int16_t& KeyAscii);
    void cmdDefault_Click();
    void cmdReset_Click();
    void cmdCancel_Click();
    void cmdOK_Click();

private:
    std::unique_ptr<platform::LoadedWindow> window_;
    IAddressServices services_;
    platform::TextBox& txtIIP;

    std::string InitialURL;
    bool initialTaken_ = false;  // InitialURL is taken once, at the first display
    std::string given_;          // the name handed over, whole
    EventBindings events_;
};

// The keystroke filter of the web-site box: letters, digits, "-", "." and
// Backspace pass; everything else (":", "/", "_", "@", blanks, the clipboard
// shortcuts) is swallowed, so the box holds a bare host name.
void FilterHostNameKey(std::int16_t& keyAscii);

namespace iaddress_texts {

inline constexpr char kCaption[] = "Internet Address";
inline constexpr char kWebpage[] = "The webpage address (URL) of a fast and reliable Internetsite:";
inline constexpr char kHttp[] = "http://";
inline constexpr char kErrorTitle[] = "Error";
inline constexpr char kNoHostName[] = "No hostname given!";
inline constexpr char kCannotResolve[] = "Can' t resolve host!";

}  // namespace iaddress_texts
}  // namespace netvik
