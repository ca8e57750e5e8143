#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "toolkit/Bitmap.h"
#include "toolkit/WinControl.h"
#include "ui/CheckBoxLayout.h"

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

    TLeftRight Alignment() const { return FAlignment; }
    void SetAlignment(TLeftRight value);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value) { FAllowGrayed = value; }
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    // Setting the state from code repaints but fires no OnClick.
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState value);
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);

    // A picture is copied; none (nullptr) brings back the built-in one. A
    // picture whose width is a whole multiple of its height sets its count.
    const tk::Bitmap& CheckedGlyph() const { return FCheckedGlyph; }
    void SetCheckedGlyph(const tk::Bitmap* value);
    const tk::Bitmap& GrayedGlyph() const { return FGrayedGlyph; }
    void SetGrayedGlyph(const tk::Bitmap* value);
    const tk::Bitmap& UncheckedGlyph() const { return FUncheckedGlyph; }
    void SetUncheckedGlyph(const tk::Bitmap* value);

    // Images per picture, kept within 1..2.
    int CheckedNumGlyphs() const { return FCheckedNumGlyphs; }
    void SetCheckedNumGlyphs(int value) { StoreNumGlyphs(FCheckedNumGlyphs, value); }
    int GrayedNumGlyphs() const { return FGrayedNumGlyphs; }
    void SetGrayedNumGlyphs(int value) { StoreNumGlyphs(FGrayedNumGlyphs, value); }
    int UncheckedNumGlyphs() const { return FUncheckedNumGlyphs; }
    void SetUncheckedNumGlyphs(int value) { StoreNumGlyphs(FUncheckedNumGlyphs, value); }

    // Advances the state as a click does, without any event.
    virtual void Toggle();

    // Runs before Space is looked at; setting the key to 0 swallows it.
    TKeyPressEvent OnKeyPress;

    void Paint(tk::Canvas& canvas) override;
    bool DialogChar(char ch) override;

protected:
    // Toggle, then OnClick, then the focus.
    void Click() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    using NumGlyphsSetter = void (TBitCheckBox::*)(int);
    void AssignGlyph(tk::Bitmap& glyph, const tk::Bitmap* value, const char* builtInName,
                     NumGlyphsSetter setNumGlyphs);
    void StoreNumGlyphs(int& field, int value);
    void KeyPress(char key);
    void MouseUp(LPARAM position);

    tk::Bitmap FCheckedGlyph;
    tk::Bitmap FUncheckedGlyph;
    tk::Bitmap FGrayedGlyph;
    TLeftRight FAlignment = taRightJustify;
    TCheckBoxState FState = cbUnchecked;
    bool FAllowGrayed = false;
    int FCheckedNumGlyphs = ui::kMinNumGlyphs;
    int FGrayedNumGlyphs = ui::kMinNumGlyphs;
    int FUncheckedNumGlyphs = ui::kMinNumGlyphs;
    bool FCtl3D = true;
    bool FMousePressed = false;
};
