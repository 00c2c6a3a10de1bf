#include "platform/win32/Win32Controls.h"

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "common/Failure.h"

namespace netvik::win32 {

namespace {

// Each wrapper is found from its window through a property of that window.
constexpr char kTextBoxProperty[] = "NetvikTextBox";
constexpr char kButtonProperty[] = "NetvikButton";
constexpr char kSliderProperty[] = "NetvikSlider";
constexpr char kLabelProperty[] = "NetvikLabel";
constexpr char kListViewProperty[] = "NetvikListView";

template <typename Wrapper>
Wrapper* WrapperOf(HWND window, const char* property) {
    return window == nullptr ? nullptr : static_cast<Wrapper*>(GetPropA(window, property));
}

void Run(const std::function<void()>& handler) {
    if (handler) handler();
}

}  // namespace

bool RunControlEvent(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto control = reinterpret_cast<HWND>(lParam);
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        if (auto* button = WrapperOf<Win32Button>(control, kButtonProperty)) {
            Run(button->Click);
            return true;
        }
    } else if (message == WM_HSCROLL) {
        if (auto* slider = WrapperOf<Win32Slider>(control, kSliderProperty)) {
            Run(slider->Scroll);
            return true;
        }
    }
    return false;
}

bool AnswerControlNotification(LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    const auto* list = header == nullptr ? nullptr : WrapperOf<Win32ListView>(header->hwndFrom, kListViewProperty);
    if (list == nullptr) return false;
    if (header->code == LVN_COLUMNCLICK) {
        const int column = reinterpret_cast<const NMLISTVIEW*>(lParam)->iSubItem;
        if (list->ColumnClick && column >= 0) list->ColumnClick(static_cast<std::size_t>(column));
        return true;
    }
    if (header->code != LVN_GETDISPINFOA && header->code != LVN_GETDISPINFOW) return false;
    // The item's record is the same in both forms but for its text's type.
    auto* item = &reinterpret_cast<NMLVDISPINFOA*>(lParam)->item;
    if ((item->mask & LVIF_TEXT) == 0 || item->pszText == nullptr || item->cchTextMax <= 0) return true;
    const std::string text =
        list->Cell ? list->Cell(static_cast<std::size_t>(item->iItem), static_cast<std::size_t>(item->iSubItem))
                   : std::string();
    if (header->code == LVN_GETDISPINFOA) {
        lstrcpynA(item->pszText, text.c_str(), item->cchTextMax);
    } else {
        auto* wide = reinterpret_cast<WCHAR*>(item->pszText);
        const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, item->cchTextMax);
        if (length == 0) wide[item->cchTextMax - 1] = L'\0';  // cut at the buffer's end
    }
    return true;
}

template <typename Base>
std::string Win32Control<Base>::ReadText() const {
    const int length = GetWindowTextLengthA(window_);
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(window_, text.data(), length + 1);
    return text.data();
}

template class Win32Control<platform::TextBox>;
template class Win32Control<platform::Label>;
template class Win32Control<platform::Button>;
template class Win32Control<platform::CheckBox>;
template class Win32Control<platform::Slider>;
template class Win32Control<platform::ComboBox>;

Win32TextBox::Win32TextBox(HWND window, const platform::TextBoxArgs& args, const platform::Slot& slot)
    : Win32Control(window, slot) {
    SendMessageA(window_, EM_LIMITTEXT, args.maxLength, 0);
    SetPropA(window_, kTextBoxProperty, this);
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32TextBox::SubclassProc)));
}

Win32TextBox::~Win32TextBox() {
    SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    RemovePropA(window_, kTextBoxProperty);
}

std::size_t Win32TextBox::MaxLength() const {
    return static_cast<std::size_t>(SendMessageA(window_, EM_GETLIMITTEXT, 0, 0));
}

LRESULT CALLBACK Win32TextBox::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = WrapperOf<Win32TextBox>(window, kTextBoxProperty);
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_CHAR && self->KeyPress) {
        // The character is judged whole: one beyond a byte never passes for
        // the byte it ends in.
        if (wParam > 0xFFFF) return 0;
        const auto typed = static_cast<std::int16_t>(static_cast<std::uint16_t>(wParam));
        std::int16_t keyAscii = typed;
        self->KeyPress(keyAscii);
        if (keyAscii == 0) return 0;
        if (keyAscii != typed) wParam = static_cast<std::uint16_t>(keyAscii);
    }
    return CallWindowProcA(self->original_, window, message, wParam, lParam);
}

HBRUSH LabelBrush(WPARAM deviceContext, LPARAM control) {
    const auto* label = WrapperOf<Win32Label>(reinterpret_cast<HWND>(control), kLabelProperty);
    if (label == nullptr || label->BackColor() < 0) return nullptr;
    SetBkColor(reinterpret_cast<HDC>(deviceContext), GetSysColor(label->BackColor()));
    return GetSysColorBrush(label->BackColor());
}

Win32Label::Win32Label(HWND window, const platform::Slot& slot) : Win32Control(window, slot) {
    SetPropA(window_, kLabelProperty, this);
}

Win32Label::~Win32Label() { RemovePropA(window_, kLabelProperty); }

void Win32Label::SetBackColor(platform::SystemColor color) {
    backColor_ = static_cast<int>(color);
    InvalidateRect(window_, nullptr, TRUE);
}

void Win32Label::SetBorderStyle(platform::BorderStyle style) {
    const LONG_PTR styles = GetWindowLongPtrA(window_, GWL_STYLE);
    const LONG_PTR border = style == platform::BorderStyle::FixedSingle ? WS_BORDER : 0;
    SetWindowLongPtrA(window_, GWL_STYLE, (styles & ~static_cast<LONG_PTR>(WS_BORDER)) | border);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    InvalidateRect(window_, nullptr, TRUE);
}

Win32Button::Win32Button(HWND window, const platform::Slot& slot) : Win32Control(window, slot) {
    SetPropA(window_, kButtonProperty, this);
}

Win32Button::~Win32Button() { RemovePropA(window_, kButtonProperty); }

std::int16_t Win32CheckBox::Value() const {
    switch (SendMessageA(window_, BM_GETCHECK, 0, 0)) {
        case BST_CHECKED: return 1;
        case BST_INDETERMINATE: return 2;
        default: return 0;
    }
}

void Win32CheckBox::SetValue(std::int16_t value) {
    const WPARAM state = value == 1 ? BST_CHECKED : value == 2 ? BST_INDETERMINATE : BST_UNCHECKED;
    SendMessageA(window_, BM_SETCHECK, state, 0);
}

Win32Slider::Win32Slider(HWND window, const platform::SliderArgs& args, const platform::Slot& slot)
    : Win32Control(window, slot) {
    SendMessageA(window_, TBM_SETRANGEMIN, FALSE, args.min);
    SendMessageA(window_, TBM_SETRANGEMAX, FALSE, args.max);
    SendMessageA(window_, TBM_SETLINESIZE, 0, args.smallChange);
    SendMessageA(window_, TBM_SETPAGESIZE, 0, args.largeChange);
    SendMessageA(window_, TBM_SETTICFREQ, static_cast<WPARAM>(args.tickFrequency), 0);
    SetValue(args.value);
    SetPropA(window_, kSliderProperty, this);
}

Win32Slider::~Win32Slider() { RemovePropA(window_, kSliderProperty); }

std::int32_t Win32Slider::Value() const { return static_cast<std::int32_t>(SendMessageA(window_, TBM_GETPOS, 0, 0)); }

void Win32Slider::SetValue(std::int32_t value) { SendMessageA(window_, TBM_SETPOS, TRUE, value); }

std::int32_t Win32Slider::Min() const {
    return static_cast<std::int32_t>(SendMessageA(window_, TBM_GETRANGEMIN, 0, 0));
}

std::int32_t Win32Slider::Max() const {
    return static_cast<std::int32_t>(SendMessageA(window_, TBM_GETRANGEMAX, 0, 0));
}

void Win32ComboBox::AddItem(const std::string& item) {
    SendMessageA(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int Win32ComboBox::ListCount() const { return static_cast<int>(SendMessageA(window_, CB_GETCOUNT, 0, 0)); }

std::string Win32ComboBox::List(int index) const {
    const LRESULT length = SendMessageA(window_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) return {};
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(window_, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

int Win32ComboBox::ListIndex() const { return static_cast<int>(SendMessageA(window_, CB_GETCURSEL, 0, 0)); }

void Win32ComboBox::SetListIndex(int index) { SendMessageA(window_, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

Win32ListView::Win32ListView(HWND window, const platform::ListViewArgs& args, const platform::Slot& slot)
    : Win32Control(window, slot) {
    SendMessageA(window_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    for (std::size_t i = 0; i < args.count; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<char*>(args.columns[i].title);
        column.cx = MulDiv(args.columns[i].width, dpi, 1440);
        SendMessageA(window_, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    SetPropA(window_, kListViewProperty, this);
}

Win32ListView::~Win32ListView() { RemovePropA(window_, kListViewProperty); }

void Win32ListView::FitColumns(const std::vector<std::string>& longest) {
    const HDC dc = GetDC(window_);
    const HGDIOBJ font = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(window_, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const auto width = [dc](const char* text) {
        SIZE size{};
        GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
        return static_cast<int>(size.cx);
    };
    for (std::size_t i = 0; i < longest.size(); ++i) {
        char title[64] = {};
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT;
        column.pszText = title;
        column.cchTextMax = sizeof title;
        SendMessageA(window_, LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
        // The cell's margins: about a character's width on each side.
        const int needed = std::max(width(title), width(longest[i].c_str())) + 3 * metrics.tmAveCharWidth;
        SendMessageA(window_, LVM_SETCOLUMNWIDTH, i, needed);
    }
    SelectObject(dc, font);
    ReleaseDC(window_, dc);
}

void Win32ListView::SetRowCount(std::size_t rows) {
    SendMessageA(window_, LVM_SETITEMCOUNT, rows, LVSICF_NOSCROLL);
    InvalidateRect(window_, nullptr, FALSE);  // the rows' texts may be new
}

Win32PopupMenu::Win32PopupMenu(HINSTANCE instance, int resourceId, HWND owner, const platform::Slot& slot)
    : bar_(LoadMenuA(instance, MAKEINTRESOURCEA(resourceId))), menu_(GetSubMenu(bar_, 0)), owner_(owner) {
    if (bar_ == nullptr || menu_ == nullptr) Fail("the tray menu resource is missing");
    slot.Hold<platform::PopupMenu>(*this);
}

Win32PopupMenu::~Win32PopupMenu() { DestroyMenu(bar_); }

int Win32PopupMenu::Popup() {
    POINT at;
    GetCursorPos(&at);
    // A menu of a background window closes on a click elsewhere only when
    // its owner is in the foreground, and the dummy message afterwards lets
    // the next menu open on the first click.
    SetForegroundWindow(owner_);
    const UINT command = static_cast<UINT>(
        TrackPopupMenu(menu_, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, owner_, nullptr));
    PostMessageA(owner_, WM_NULL, 0, 0);
    if (command == 0) return kDismissed;
    const int count = GetMenuItemCount(menu_);
    for (int position = 0; position < count; ++position) {
        if (GetMenuItemID(menu_, position) == command) return position;
    }
    return kDismissed;
}

std::string Win32PopupMenu::ItemCaption(int position) const {
    char text[256] = {};
    GetMenuStringA(menu_, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

void Win32PopupMenu::SetItemCaption(int position, const std::string& caption) {
    const UINT id = GetMenuItemID(menu_, position);
    ModifyMenuA(menu_, static_cast<UINT>(position), MF_BYPOSITION | MF_STRING, id, caption.c_str());
}

void Win32PopupMenu::SetItemChecked(int position, bool checked) {
    CheckMenuItem(menu_, static_cast<UINT>(position), MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace netvik::win32
