#pragma once
#include <functional>
#include <string>

#include "toolkit/WinControl.h"

namespace tk {

struct ComboBoxArgs {
    int itemHeight = 15;
    int dropDownCount = 8; // rows shown when the list is open
};

// A fixed-height owner-drawn drop-down list without a typing field. Choosing
// an item from code fires no event.
class ComboBox : public WinControl {
public:
    ComboBox(WinControl* parent, std::string name, Bounds bounds, ComboBoxArgs args = {});

    void Clear();
    void AddItem(const std::string& text);
    int ItemCount() const;
    std::string Item(int index) const;
    int ItemIndex() const;
    void SetItemIndex(int index); // outside the list: nothing selected
    bool DroppedDown() const;

    // A short status text drawn at the right of the closed list, in grey.
    const std::string& StatusText() const { return statusText_; }
    void SetStatusText(const std::string& text);

    std::function<void(ComboBox&)> OnChange;
    std::function<void(ComboBox&)> OnSelect;
    std::function<void(ComboBox&)> OnCloseUp;
    std::function<void(ComboBox&)> OnDropDown; // before the list opens, which may still change its items
    // The handler may set the key to 0 to swallow it.
    std::function<void(ComboBox&, char& key)> OnKeyPress;

    bool WantsDialogKeys() const override { return DroppedDown(); }
    bool HandleCommand(WORD code) override;
    bool HandleDrawItem(DRAWITEMSTRUCT* item) override;
    AccessibleFacts Accessible() const override;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void BoundsChanged() override;
    void DpiChanged() override;

private:
    void SetItemHeights();
    int DroppedHeight() const;
    // The closed list's selection field, without the frame and the button.
    RECT SelectionField() const;

    ComboBoxArgs args_;
    std::string statusText_;
    // Where the status text was last drawn (empty: not drawn yet): a text
    // that changes in place repaints just there, not the whole control.
    RECT statusDrawn_{};
};

} // namespace tk
