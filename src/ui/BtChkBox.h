#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "toolkit/Bitmap.h"
#include "toolkit/WinControl.h"
#include "ui/CheckBoxLayout.h"

namespace ui {

// A check box drawn from pictures: one per state (unchecked, checked,
// grayed), each either a single image or an enabled/disabled pair side by
// side, plus its caption. Every press and release is a click, so a double
// click toggles twice. Keeping a pair of them exclusive, radio-style, is the
// owner's business.
class TBitCheckBox : public tk::CustomControl {
public:
    using TKeyPressEvent = std::function<void(TBitCheckBox& sender, char& key)>;

    static constexpr int kDefaultWidth = 97;
    static constexpr int kDefaultHeight = 17;

    TBitCheckBox(tk::WinControl* parent, std::string name,
                 tk::Bounds bounds = {0, 0, kDefaultWidth, kDefaultHeight});

    TLeftRight Alignment() const { return alignment_; }
    void SetAlignment(TLeftRight value);
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool value) { allowGrayed_ = value; }
    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    // Setting the state from code repaints but fires no OnClick.
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState value);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool value);

    // A picture is copied; none (nullptr) brings back the built-in one. A
    // picture whose width is a whole multiple of its height sets its count.
    const tk::Bitmap& CheckedGlyph() const { return checked_.picture; }
    void SetCheckedGlyph(const tk::Bitmap* value);
    const tk::Bitmap& GrayedGlyph() const { return grayed_.picture; }
    void SetGrayedGlyph(const tk::Bitmap* value);
    const tk::Bitmap& UncheckedGlyph() const { return unchecked_.picture; }
    void SetUncheckedGlyph(const tk::Bitmap* value);
    // Pictures from the program's resources, taken again in the copy drawn
    // for the box's DPI whenever that changes.
    void SetGlyphResources(const char* checked, const char* unchecked, const char* grayed);

    // Images per picture, kept within 1..2.
    int CheckedNumGlyphs() const { return checkedNumGlyphs_; }
    void SetCheckedNumGlyphs(int value) { StoreNumGlyphs(checkedNumGlyphs_, value); }
    int GrayedNumGlyphs() const { return grayedNumGlyphs_; }
    void SetGrayedNumGlyphs(int value) { StoreNumGlyphs(grayedNumGlyphs_, value); }
    int UncheckedNumGlyphs() const { return uncheckedNumGlyphs_; }
    void SetUncheckedNumGlyphs(int value) { StoreNumGlyphs(uncheckedNumGlyphs_, value); }

    // Advances the state as a click does, without any event.
    virtual void Toggle();

    // Runs before Space is looked at; setting the key to 0 swallows it.
    TKeyPressEvent OnKeyPress;

    void Paint(tk::Canvas& canvas) override;
    bool DialogChar(char ch) override;

    // One of a pair kept exclusive by its owner reads as a radio button.
    void SetReadsAsRadio(bool value) { readsAsRadio_ = value; }
    tk::AccessibleFacts Accessible() const override;
    void DoDefaultAction() override { Click(); }

protected:
    // Toggle, then OnClick, then the focus.
    void Click() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void DpiChanged() override;

private:
    using NumGlyphsSetter = void (TBitCheckBox::*)(int);
    // A picture, the resource it came from (none when given by the owner)
    // and how its image count is stored.
    struct Glyph {
        tk::Bitmap picture;
        const char* resource = nullptr;
        NumGlyphsSetter setNumGlyphs = nullptr;
    };
    void AssignGlyph(Glyph& glyph, const tk::Bitmap* value, const char* builtInName);
    void LoadGlyph(Glyph& glyph, const char* resource);
    void StoreNumGlyphs(int& field, int value);
    void KeyPress(char key);
    void MouseUp(LPARAM position);

    Glyph checked_{{}, nullptr, &TBitCheckBox::SetCheckedNumGlyphs};
    Glyph unchecked_{{}, nullptr, &TBitCheckBox::SetUncheckedNumGlyphs};
    Glyph grayed_{{}, nullptr, &TBitCheckBox::SetGrayedNumGlyphs};
    TLeftRight alignment_ = taRightJustify;
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
    int checkedNumGlyphs_ = ui::kMinNumGlyphs;
    int grayedNumGlyphs_ = ui::kMinNumGlyphs;
    int uncheckedNumGlyphs_ = ui::kMinNumGlyphs;
    bool ctl3D_ = true;
    bool mousePressed_ = false;
    bool readsAsRadio_ = false;
};

} // namespace ui
