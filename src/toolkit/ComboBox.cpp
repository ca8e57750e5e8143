#include "toolkit/ComboBox.h"

#include <commctrl.h>
#include <ole2.h>
#include <oleacc.h>

#include <vector>

namespace tk {

namespace {
constexpr int kTextIndent = 2;
constexpr int kStatusIndent = 4;
constexpr int kListBorder = 2;
} // namespace

ComboBox::ComboBox(WinControl* parent, std::string name, Bounds bounds, ComboBoxArgs args)
    : WinControl(parent, std::move(name), bounds), args_(args) {
    SetColor(clWindow);
    SetTabStop(true);
    CreateHandle("COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                 0, true);
    SendMessageA(Handle(), CB_SETMINVISIBLE, args_.dropDownCount, 0);
    SetItemHeights();
    BoundsChanged();
}

void ComboBox::SetItemHeights() {
    if (!Handle()) return;
    const int itemHeight = Scaled(args_.itemHeight);
    SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight);
    SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, itemHeight);
    // The field's edges do not scale as the design does: the field takes up
    // what is left of the control's height, so it lines up with its neighbours.
    RECT field{};
    GetWindowRect(Handle(), &field);
    const int shortBy = Height() - (field.bottom - field.top);
    if (shortBy != 0 && itemHeight + shortBy > 0)
        SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight + shortBy);
}

void ComboBox::DpiChanged() {
    SetItemHeights();
    BoundsChanged();
    WinControl::DpiChanged();
}

int ComboBox::DroppedHeight() const {
    return Height() + args_.dropDownCount * Scaled(args_.itemHeight) + Scaled(kListBorder);
}

void ComboBox::BoundsChanged() {
    if (!Handle()) return;
    SetWindowPos(Handle(), nullptr, Left(), Top(), Width(), DroppedHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void ComboBox::Clear() { SendMessageA(Handle(), CB_RESETCONTENT, 0, 0); }

void ComboBox::AddItem(const std::string& text) {
    SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int ComboBox::ItemCount() const { return static_cast<int>(SendMessageA(Handle(), CB_GETCOUNT, 0, 0)); }

std::string ComboBox::Item(int index) const {
    const LRESULT len = SendMessageA(Handle(), CB_GETLBTEXTLEN, index, 0);
    if (len == CB_ERR) return {};
    std::vector<char> buf(static_cast<std::size_t>(len) + 1);
    SendMessageA(Handle(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buf.data()));
    return std::string(buf.data());
}

int ComboBox::ItemIndex() const { return static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0)); }

void ComboBox::SetItemIndex(int index) {
    if (index < 0 || index >= ItemCount()) index = -1;
    SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool ComboBox::DroppedDown() const {
    return Handle() && SendMessageA(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

RECT ComboBox::SelectionField() const {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!Handle() || !GetComboBoxInfo(Handle(), &info)) return RECT{0, 0, Width(), Height()};
    return info.rcItem;
}

void ComboBox::SetStatusText(const std::string& text) {
    if (text == statusText_) return;
    // Digits are of one width, so a text no longer than the last covers no
    // more than its place; anything else redraws the whole field.
    const bool inPlace = text.size() <= statusText_.size() && !IsRectEmpty(&statusDrawn_);
    statusText_ = text;
    if (!Handle()) return;
    const RECT area = inPlace ? statusDrawn_ : SelectionField();
    InvalidateRect(Handle(), &area, FALSE);
}

bool ComboBox::HandleCommand(WORD code) {
    switch (code) {
    case CBN_SELCHANGE:
        if (OnChange) OnChange(*this);
        if (OnSelect) OnSelect(*this);
        return true;
    case CBN_CLOSEUP:
        if (OnCloseUp) OnCloseUp(*this);
        return true;
    case CBN_DROPDOWN:
        if (OnDropDown) OnDropDown(*this);
        return true;
    default: return false;
    }
}

bool ComboBox::HandleDrawItem(DRAWITEMSTRUCT* item) {
    HDC dc = item->hDC;
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    const bool selectionField = (item->itemState & ODS_COMBOBOXEDIT) != 0;
    Canvas canvas(dc);
    canvas.SetBrushColor(selected ? clHighlight : Color());
    canvas.FillRect(item->rcItem);
    FontSpec font = Font();
    font.color = !Enabled() ? clGrayText : selected ? clHighlightText : clWindowText;
    canvas.SetFont(font);
    canvas.SetBrushStyle(BrushStyle::Clear);
    RECT text = item->rcItem;
    text.left += Scaled(kTextIndent);
    if (item->itemID != static_cast<UINT>(-1))
        canvas.DrawText(Item(static_cast<int>(item->itemID)), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (selectionField && !statusText_.empty()) {
        RECT status = item->rcItem;
        status.right -= Scaled(kStatusIndent);
        canvas.SetFontColor(selected ? clHighlightText : clGrayText);
        constexpr UINT kStatusFormat = DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX;
        canvas.DrawText(statusText_, status, kStatusFormat);
        RECT extent = status;
        canvas.DrawText(statusText_, extent, kStatusFormat | DT_CALCRECT);
        statusDrawn_ = RECT{status.right - (extent.right - extent.left) - Scaled(kStatusIndent),
                            item->rcItem.top, item->rcItem.right, item->rcItem.bottom};
    }
    if ((item->itemState & ODS_FOCUS) && !(item->itemState & ODS_NOFOCUSRECT))
        canvas.DrawFocusRect(item->rcItem);
    return true;
}

LRESULT ComboBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CHAR && OnKeyPress) {
        char key = static_cast<char>(wParam);
        OnKeyPress(*this, key);
        if (key == 0) return 0;
        wParam = static_cast<unsigned char>(key);
    }
    return WinControl::WndProc(msg, wParam, lParam);
}

AccessibleFacts ComboBox::Accessible() const {
    return {.role = ROLE_SYSTEM_COMBOBOX,
            .name = AccessibleName(),
            .value = Item(ItemIndex()),
            .description = statusText_};
}

} // namespace tk
