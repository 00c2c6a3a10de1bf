#pragma once
#include "platform/Controls.h"
#include "platform/Parts.h"
#include "platform/win32/WinTypes.h"

namespace netvik::win32 {

// Thin wrappers around the child windows of a dialog, each over its HWND;
// each takes its place in its window's parts (its Slot) as it is made.

// Runs the event of the control that notified its dialog: a button's Click
// for WM_COMMAND with BN_CLICKED, a slider's Scroll for WM_HSCROLL. False
// when the message comes from no such control.
bool RunControlEvent(UINT message, WPARAM wParam, LPARAM lParam);

// Answers a list view's request for the text of a cell it shows (WM_NOTIFY
// with LVN_GETDISPINFO, lParam its record) from the list's Cell. False for
// any other notification.
bool AnswerControlNotification(LPARAM lParam);

// The brush of a label with a background colour of its own, for the dialog
// procedure's answer to WM_CTLCOLORSTATIC (wParam the device context, lParam
// the label); null for any other static control.
HBRUSH LabelBrush(WPARAM deviceContext, LPARAM control);

template <typename Base>
class Win32Control : public Base {
public:
    explicit Win32Control(HWND window, const platform::Slot& slot = {}) : window_(window) { slot.Hold<Base>(*this); }
    HWND Hwnd() const { return window_; }
    bool Enabled() const override { return IsWindowEnabled(window_) != FALSE; }
    void SetEnabled(bool enabled) override { EnableWindow(window_, enabled ? TRUE : FALSE); }

protected:
    std::string ReadText() const;
    void WriteText(const std::string& text) { SetWindowTextA(window_, text.c_str()); }

    HWND window_;
};

// An edit control whose typed characters pass the KeyPress handler first.
class Win32TextBox : public Win32Control<platform::TextBox> {
public:
    Win32TextBox(HWND window, const platform::TextBoxArgs& args, const platform::Slot& slot = {});
    ~Win32TextBox() override;
    Win32TextBox(const Win32TextBox&) = delete;
    Win32TextBox& operator=(const Win32TextBox&) = delete;

    std::string Text() const override { return ReadText(); }
    void SetText(const std::string& text) override { WriteText(text); }
    std::size_t MaxLength() const override;

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    WNDPROC original_ = nullptr;
};

class Win32Label : public Win32Control<platform::Label> {
public:
    explicit Win32Label(HWND window, const platform::Slot& slot = {});
    ~Win32Label() override;
    Win32Label(const Win32Label&) = delete;
    Win32Label& operator=(const Win32Label&) = delete;

    std::string Caption() const override { return ReadText(); }
    void SetCaption(const std::string& caption) override { WriteText(caption); }
    void SetBackColor(platform::SystemColor color) override;
    void SetBorderStyle(platform::BorderStyle style) override;

    // The background's colour index; -1 while it is the dialog's own.
    int BackColor() const { return backColor_; }

private:
    int backColor_ = -1;
};

class Win32Button : public Win32Control<platform::Button> {
public:
    explicit Win32Button(HWND window, const platform::Slot& slot = {});
    ~Win32Button() override;
    Win32Button(const Win32Button&) = delete;
    Win32Button& operator=(const Win32Button&) = delete;

    std::string Caption() const override { return ReadText(); }
    void SetCaption(const std::string& caption) override { WriteText(caption); }
};

class Win32CheckBox : public Win32Control<platform::CheckBox> {
public:
    using Win32Control::Win32Control;
    std::int16_t Value() const override;
    void SetValue(std::int16_t value) override;
};

// A trackbar.
class Win32Slider : public Win32Control<platform::Slider> {
public:
    Win32Slider(HWND window, const platform::SliderArgs& args, const platform::Slot& slot = {});
    ~Win32Slider() override;
    Win32Slider(const Win32Slider&) = delete;
    Win32Slider& operator=(const Win32Slider&) = delete;

    std::int32_t Value() const override;
    void SetValue(std::int32_t value) override;
    std::int32_t Min() const override;
    std::int32_t Max() const override;
};

// A drop-down list (CBS_DROPDOWNLIST).
class Win32ComboBox : public Win32Control<platform::ComboBox> {
public:
    using Win32Control::Win32Control;
    void AddItem(const std::string& item) override;
    int ListCount() const override;
    std::string List(int index) const override;
    int ListIndex() const override;
    void SetListIndex(int index) override;
};

// A list view in report form that holds no data of its own
// (LVS_OWNERDATA): it asks for the texts of the rows it shows.
class Win32ListView : public Win32Control<platform::ListView> {
public:
    Win32ListView(HWND window, const platform::ListViewArgs& args, const platform::Slot& slot = {});
    ~Win32ListView() override;
    Win32ListView(const Win32ListView&) = delete;
    Win32ListView& operator=(const Win32ListView&) = delete;

    void SetRowCount(std::size_t rows) override;
    void FitColumns(const std::vector<std::string>& longest) override;
};

// A pop-up menu from the resources, shown for a (possibly hidden) owner.
class Win32PopupMenu : public platform::PopupMenu {
public:
    Win32PopupMenu(HINSTANCE instance, int resourceId, HWND owner, const platform::Slot& slot = {});
    ~Win32PopupMenu() override;
    Win32PopupMenu(const Win32PopupMenu&) = delete;
    Win32PopupMenu& operator=(const Win32PopupMenu&) = delete;

    int Popup() override;
    std::string ItemCaption(int position) const override;
    void SetItemCaption(int position, const std::string& caption) override;
    void SetItemChecked(int position, bool checked) override;

private:
    HMENU bar_;
    HMENU menu_;
    HWND owner_;
};

}  // namespace netvik::win32
