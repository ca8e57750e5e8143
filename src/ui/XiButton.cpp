#include "ui/XiButton.h"

#include <ole2.h>
#include <oleacc.h>
#include <windowsx.h>

#include "toolkit/Form.h"
#include "toolkit/Texts.h"
#include "ui/lang.h"
#include "ui/GradientRows.h"

namespace ui {

using namespace xibutton;

namespace {

constexpr UINT kCaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP;
static_assert(kCaptionFormat == 0x125);

constexpr int kEdgeInset = 1;  // the 3D edge lies just inside the border
constexpr int kFocusInset = 3; // the focus frame, inside the edge
constexpr int kCueInset = 5;   // the dotted focus rectangle, a pixel of face inside the frame

} // namespace

TXiButton::TXiButton(tk::WinControl* parent, std::string name, int left, int top)
    : TXiButton(parent, std::move(name), tk::Bounds{left, top, kDefaultWidth, kDefaultHeight}) {}

TXiButton::TXiButton(tk::WinControl* parent, std::string name, tk::Bounds bounds)
    : CustomControl(parent, std::move(name), bounds, true) {
    SetTabStop(true);
    TrackMouseHover();
    SetColorScheme(TColorScheme::csNeoDesert);
    // The new button's own touch: the other states fade to white.
    for (int index : {OverColorGrad, DownColorGrad, DisabledColorGrad}) SetByIndex(index, tk::clWhite);
    colorScheme_ = TColorScheme::csNeoDesert;
}

tk::TColor TXiButton::GetByIndex(int index) const {
    if (index < 0 || index >= ColorPropertyCount) return tk::clBlack;
    return colors_[static_cast<std::size_t>(index)];
}

void TXiButton::SetByIndex(int index, tk::TColor color) {
    if (index < 0 || index >= ColorPropertyCount) return;
    colors_[static_cast<std::size_t>(index)] = color;
    colorScheme_ = TColorScheme::csCustom;
    Invalidate();
}

void TXiButton::SetColorScheme(TColorScheme scheme) {
    colorScheme_ = scheme;
    if (const auto assignment = SchemeFor(scheme, tk::SystemColorNow)) {
        for (int index = 0; index < ColorPropertyCount; ++index)
            if (const auto& color = assignment->colors[static_cast<std::size_t>(index)])
                SetByIndex(index, *color);
        SetGradient(assignment->gradient);
    }
    Invalidate();
    colorScheme_ = scheme; // the colour setters switched it to csCustom
}

void TXiButton::SetCtl3D(bool v) {
    ctl3D_ = v;
    Invalidate();
}

void TXiButton::SetLayout(TButtonLayout v) {
    layout_ = v;
    Invalidate();
}

void TXiButton::SetGlyph(const tk::Bitmap& picture) {
    glyph_ = picture;
    Invalidate();
}

void TXiButton::SetSpacing(int v) {
    spacing_ = v;
    Invalidate();
}

void TXiButton::SetTransparentGlyph(bool v) {
    transparentGlyph_ = v;
    Invalidate();
}

void TXiButton::SetGradient(bool v) {
    gradient_ = v;
    Invalidate();
}

void TXiButton::SetAction(tk::Action* action) {
    action_ = action;
    ActionChanged();
}

void TXiButton::ActionChanged() {
    if (!action_) return;
    SetCaption(action_->caption);
    SetEnabled(action_->enabled);
}

void TXiButton::Click() {
    // Zero means "no result": it must not undo a result the form already has.
    if (tk::Form* form = Parent() ? OwnerForm() : nullptr; form && modalResult_ != tk::mrNone)
        form->SetModalResult(modalResult_);
    buttonState_ = TButtonState::Normal;
    PaintNow();
    if (action_)
        action_->Execute();
    else
        CustomControl::Click();
}

// ---- painting ----

TXiButton::StateColors TXiButton::CurrentColors() const {
    int group = NormalColors;
    if (buttonState_ == TButtonState::Over) group = OverColors;
    if (buttonState_ == TButtonState::Down) group = DownColors;
    if (!Enabled()) group = DisabledColors;
    // Colours may be system-colour references; the gradient needs real channels.
    const auto at = [&](StateColor which) { return tk::ColorToRGB(GetByIndex(group + which)); };
    return {at(Face), at(Grad), at(Dark), at(Light), at(Border), at(Text)};
}

void TXiButton::Paint(tk::Canvas& canvas) {
    const int w = Width(), h = Height();
    if (w <= 0 || h <= 0) return;
    buffer_.SetSize(w, h);
    if (buffer_.Empty()) return; // no memory for the surface: leave the screen as it is
    tk::Canvas& c = buffer_.GetCanvas();
    const StateColors colors = CurrentColors();
    PaintFace(c, colors, w, h);
    PaintCaptionAndGlyph(c, colors, w, h);
    PaintFrame(c, colors, w, h);
    canvas.Draw(0, 0, buffer_);
}

void TXiButton::PaintFace(tk::Canvas& c, const StateColors& colors, int w, int h) {
    if (!gradient_) {
        c.SetBrushColor(colors.face);
        c.FillRect(RECT{0, 0, w, h});
        return;
    }
    // The rows cover every pixel, so no plain fill first. The last row lies
    // below the surface.
    const auto rows = GradientRows(colors.face, colors.grad, h);
    for (int y = 0; y < h && y < static_cast<int>(rows.size()); ++y) {
        c.SetBrushColor(rows[static_cast<std::size_t>(y)]);
        c.FillRect(RECT{0, y, w, y + 1});
    }
}

void TXiButton::PaintCaptionAndGlyph(tk::Canvas& c, const StateColors& colors, int w, int h) {
    const std::string& caption = Caption();
    c.SetFont(Font());
    c.SetFontColor(colors.text);
    // Measured with its "&": the drawn text is centred in this slightly wider box.
    const SIZE extent = c.TextExtent(caption);

    LayoutInput in;
    in.width = w;
    in.height = h;
    in.textWidth = extent.cx;
    in.textHeight = extent.cy;
    in.glyphWidth = glyph_.Width();
    in.glyphHeight = glyph_.Height();
    in.spacing = spacing_;
    in.layout = layout_;
    in.hasCaption = !caption.empty();
    in.down = buttonState_ == TButtonState::Down;
    const Placement at = PlaceCaptionAndGlyph(in);

    if (!glyph_.Empty()) {
        const RECT source{0, 0, glyph_.Width(), glyph_.Height()};
        const RECT dest{at.glyphX, at.glyphY, at.glyphX + glyph_.Width(), at.glyphY + glyph_.Height()};
        if (transparentGlyph_)
            c.DrawTransparent(dest, glyph_, source, glyph_.Pixel(0, 0));
        else
            c.DrawPart(dest, glyph_, source);
    }
    if (!caption.empty()) {
        c.SetBrushStyle(tk::BrushStyle::Clear);
        RECT box{at.textX, at.textY, at.textX + extent.cx, at.textY + extent.cy};
        c.DrawText(caption, box, kCaptionFormat);
    }
}

void TXiButton::PaintFrame(tk::Canvas& c, const StateColors& colors, int w, int h) {
    c.SetPenStyle(tk::PenStyle::Solid);
    c.SetPenWidth(1);
    c.SetBrushStyle(tk::BrushStyle::Clear);
    c.SetPenColor(colors.border);
    c.Rectangle(0, 0, w, h);

    if (ctl3D_) {
        // LineTo leaves out its end point: each corner belongs to one line.
        const int first = kEdgeInset, lastX = w - 1 - kEdgeInset, lastY = h - 1 - kEdgeInset;
        c.SetPenColor(colors.light);
        c.MoveTo(first, lastY);
        c.LineTo(first, first);
        c.LineTo(lastX + 1, first);
        c.SetPenColor(colors.dark);
        c.MoveTo(lastX, first);
        c.LineTo(lastX, lastY);
        c.LineTo(first, lastY);
    }
    if (hasFocus_) {
        c.SetPenColor(tk::ColorToRGB(GetByIndex(ColorFocusRect)));
        const int inset = Scaled(kFocusInset);
        c.Rectangle(inset, inset, w - inset, h - inset);
        // The scheme's frame can be faint against the face; the dotted one
        // inverts whatever it crosses.
        if (FocusCuesShown()) {
            const int cue = Scaled(kCueInset);
            c.DrawFocusRect(RECT{cue, cue, w - cue, h - cue});
        }
    }
}

tk::AccessibleFacts TXiButton::Accessible() const {
    long state = 0;
    if (buttonState_ == TButtonState::Down) state |= STATE_SYSTEM_PRESSED;
    if (default_) state |= STATE_SYSTEM_DEFAULT;
    return {.role = ROLE_SYSTEM_PUSHBUTTON,
            .name = AccessibleName(),
            .state = state,
            .defaultAction = tk::LoadText(lang::ActionPress)};
}

// ---- input ----

void TXiButton::SetState(TButtonState state) {
    buttonState_ = state;
    PaintNow();
}

bool TXiButton::Inside(int x, int y) const { return x >= 0 && x < Width() && y >= 0 && y < Height(); }

void TXiButton::MouseDown() {
    mousePressed_ = true;
    buttonState_ = TButtonState::Down;
    // Keep the release even when it happens outside the button.
    SetCapture(Handle());
    if (TabStop() && CanFocus() && !hasFocus_) SetFocus();
    PaintNow();
}

void TXiButton::MouseUp(int x, int y) {
    const bool clicked = mousePressed_ && Inside(x, y);
    mousePressed_ = false;
    if (GetCapture() == Handle()) ReleaseCapture();
    if (clicked) Click();
    // The edge pixels still click, but only a release well inside shows Over.
    if (x > 0 && x < Width() && y > 0 && y < Height())
        buttonState_ = hotTrack_ ? TButtonState::Over : TButtonState::Normal;
    else
        buttonState_ = TButtonState::Normal; // the press is over wherever it ended
    PaintNow();
}

void TXiButton::MouseDrag(int x, int y) {
    // While the button holds the mouse, leaving and coming back follow the
    // pointer even where the system reports no leave.
    if (!Inside(x, y)) {
        if (buttonState_ != TButtonState::Normal) SetState(TButtonState::Normal);
    } else if (hotTrack_ && buttonState_ != TButtonState::Down) {
        SetState(TButtonState::Down);
    }
}

void TXiButton::CancelPress() {
    mousePressed_ = false;
    SetState(TButtonState::Normal);
}

void TXiButton::MouseEnter() {
    if (!hotTrack_) return;
    SetState(mousePressed_ ? TButtonState::Down : TButtonState::Over);
}

void TXiButton::MouseLeave() { SetState(TButtonState::Normal); }

void TXiButton::EnabledChanged() {
    if (!Enabled()) {
        // A disabled window hears no release or leave: forget the press now.
        spacePressed_ = false;
        mousePressed_ = false;
        if (GetCapture() == Handle()) ReleaseCapture();
        buttonState_ = TButtonState::Normal;
    }
    CustomControl::EnabledChanged();
}

bool TXiButton::AnotherButtonFocused() const {
    const tk::Form* form = OwnerForm();
    if (!form) return false;
    for (const auto& control : form->Controls()) {
        const auto* button = dynamic_cast<const TXiButton*>(control.get());
        if (button && button != this && button->HasFocus()) return true;
    }
    return false;
}

bool TXiButton::DialogKey(WPARAM key, tk::ShiftState shift) {
    const bool mine = (key == VK_RETURN && hasFocus_) || (key == VK_ESCAPE && cancel_);
    if (mine && shift.None() && CanFocus()) {
        Click();
        return true;
    }
    // The default button answers Enter only, and leaves it to a focused button.
    if (default_ && key == VK_RETURN && shift.None() && CanFocus() && !AnotherButtonFocused()) {
        Click();
        return true;
    }
    return CustomControl::DialogKey(key, shift);
}

bool TXiButton::DialogChar(char ch) {
    const char accelerator = tk::AcceleratorOf(Caption());
    if (accelerator != 0 && tk::SameLetter(accelerator, ch) && CanFocus()) {
        Click();
        return true;
    }
    return false;
}

LRESULT TXiButton::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_LBUTTONDOWN: {
        const LRESULT result = CustomControl::WndProc(msg, wParam, lParam);
        MouseDown();
        return result;
    }
    case WM_LBUTTONUP: {
        const LRESULT result = CustomControl::WndProc(msg, wParam, lParam);
        MouseUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return result;
    }
    case WM_MOUSEMOVE: {
        const LRESULT result = CustomControl::WndProc(msg, wParam, lParam);
        if (mousePressed_) MouseDrag(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return result;
    }
    // WM_LBUTTONDBLCLK is the second press of a double click, which counts as
    // the one click already made: it takes the base handling only.
    case WM_CAPTURECHANGED:
        if (mousePressed_ && reinterpret_cast<HWND>(lParam) != Handle()) CancelPress();
        break;
    case WM_SETFOCUS:
        hasFocus_ = true;
        PaintNow();
        break;
    case WM_UPDATEUISTATE: Invalidate(); break;
    case WM_KILLFOCUS:
        hasFocus_ = false;
        spacePressed_ = false;
        SetState(TButtonState::Normal);
        break;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) {
            spacePressed_ = true;
            buttonState_ = TButtonState::Down;
        } else if (wParam == VK_RETURN) {
            Click();
        }
        PaintNow();
        return 0;
    case WM_KEYUP:
        // Only a Space pressed on this button clicks it when released.
        if (wParam == VK_SPACE && spacePressed_) {
            spacePressed_ = false;
            SetState(TButtonState::Normal);
            Click();
        }
        return 0;
    default: break;
    }
    return CustomControl::WndProc(msg, wParam, lParam);
}

} // namespace ui
