#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "toolkit/Action.h"
#include "toolkit/Bitmap.h"
#include "toolkit/WinControl.h"
#include "ui/XiButtonLayout.h"
#include "ui/XiButtonSchemes.h"

namespace ui {

// The program's push button: a face with an optional vertical gradient, an
// optional glyph, the caption, a border, an optional 3D edge and a focus
// frame, each state with its own six colours.
class TXiButton : public tk::CustomControl {
public:
    using TColorScheme = xibutton::TColorScheme;
    using TButtonLayout = xibutton::TButtonLayout;
    using ColorProperty = xibutton::ColorProperty;
    enum class TButtonState : std::uint8_t { Normal, Over, Down };

    static constexpr int kDefaultWidth = 75;
    static constexpr int kDefaultHeight = 25;
    static constexpr int kDefaultSpacing = 4;

    TXiButton(tk::WinControl* parent, std::string name, int left = 0, int top = 0);
    TXiButton(tk::WinControl* parent, std::string name, tk::Bounds bounds);

    // The 25 colour properties by index (ColorFace .. ColorFocusRect). Setting
    // one makes the scheme csCustom; indices outside the range are ignored.
    tk::TColor GetByIndex(int index) const;
    void SetByIndex(int index, tk::TColor color);

    TColorScheme ColorScheme() const { return colorScheme_; }
    void SetColorScheme(TColorScheme scheme);

    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool v);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout v);
    const tk::Bitmap& Glyph() const { return glyph_; }
    void SetGlyph(const tk::Bitmap& picture);
    int Spacing() const { return spacing_; }
    void SetSpacing(int v);
    bool TransparentGlyph() const { return transparentGlyph_; }
    void SetTransparentGlyph(bool v);
    bool Gradient() const { return gradient_; }
    void SetGradient(bool v);
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool v) { hotTrack_ = v; }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    bool Default() const { return default_; }
    void SetDefault(bool v) { default_ = v; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int v) { modalResult_ = v; }

    // A linked action gives the button its caption and enabled state, and a
    // click executes it instead of OnClick. Call ActionChanged after changing
    // the action so the button follows. The action must outlive the link.
    tk::Action* Action() const { return action_; }
    void SetAction(tk::Action* action);
    void ActionChanged();

    bool HasFocus() const { return hasFocus_; }
    bool MousePressed() const { return mousePressed_; }
    TButtonState ButtonState() const { return buttonState_; }

    // Sets the form's modal result, shows the button released, then runs the
    // action or OnClick.
    void Click() override;

    void Paint(tk::Canvas& canvas) override;

    bool DialogKey(WPARAM key, tk::ShiftState shift) override;
    bool DialogChar(char ch) override;

    tk::AccessibleFacts Accessible() const override;
    void DoDefaultAction() override { Click(); }

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void EnabledChanged() override;

private:
    struct StateColors {
        tk::TColor face, grad, dark, light, border, text;
    };
    StateColors CurrentColors() const;
    void PaintFace(tk::Canvas& c, const StateColors& colors, int w, int h);
    void PaintCaptionAndGlyph(tk::Canvas& c, const StateColors& colors, int w, int h);
    void PaintFrame(tk::Canvas& c, const StateColors& colors, int w, int h);

    void SetState(TButtonState state);
    void MouseDown();
    void MouseUp(int x, int y);
    void MouseDrag(int x, int y);
    void CancelPress();
    bool Inside(int x, int y) const;
    bool AnotherButtonFocused() const;

    xibutton::ColorValues colors_{};
    bool hasFocus_ = false;
    TColorScheme colorScheme_ = TColorScheme::csNeoDesert;
    bool ctl3D_ = true;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    tk::Bitmap glyph_;
    bool transparentGlyph_ = true;
    bool gradient_ = true;
    int spacing_ = kDefaultSpacing;
    int modalResult_ = 0;
    bool cancel_ = false;
    bool default_ = false;
    bool hotTrack_ = true;
    bool mousePressed_ = false;
    bool spacePressed_ = false;
    TButtonState buttonState_ = TButtonState::Normal;
    tk::Action* action_ = nullptr;
    tk::Bitmap buffer_; // off-screen surface, kept between paints
};

} // namespace ui
