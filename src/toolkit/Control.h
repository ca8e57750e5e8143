#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "toolkit/Canvas.h"
#include "toolkit/Color.h"
#include "toolkit/Dpi.h"
#include "toolkit/Font.h"

namespace tk {

class Form;
class WinControl;

enum class CursorKind { Default, Hand, Text };

// What assistive technology reads of a control. Role 0: not exposed (pure
// decoration). States are the platform's STATE_SYSTEM_* flags this control
// knows of itself; focus, availability and visibility are added generically.
struct AccessibleFacts {
    long role = 0;
    std::string name{};
    std::string value{};
    long state = 0;
    std::string defaultAction{};
    std::string description{};
};

struct Bounds {
    int left = 0, top = 0, width = 0, height = 0;
    RECT Rect() const { return RECT{left, top, left + width, top + height}; }
};

// Bounds of the design scale at `dpi` and back. The edges are scaled, not
// the sizes, so controls that touch at 96 DPI touch at every scale.
Bounds ScaleToDpi(const Bounds& design, int dpi);
Bounds ScaleFromDpi(const Bounds& scaled, int dpi);
FontSpec ScaleToDpi(const FontSpec& design, int dpi);

// Common ground of windowed and windowless controls: position in the parent's
// client area, visibility, enabled state, caption, font, colour, hint, cursor.
// Controls are made with bounds and fonts of the design scale (96 DPI) and
// hold them at the DPI of their form: bounds read and set at run time are in
// pixels of that DPI; SetFont takes a design font, Font() gives the scaled one.
class Control {
public:
    using Event = std::function<void(Control&)>;

    Control(WinControl* parent, std::string name, Bounds bounds);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    WinControl* Parent() const { return parent_; }
    Form* OwnerForm() const;

    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.width; }
    int Height() const { return bounds_.height; }
    const Bounds& GetBounds() const { return bounds_; }
    void SetBounds(Bounds b);
    // The bounds at the design scale, as a form description gives them.
    const Bounds& DesignBounds() const { return designBounds_; }
    void SetDesignBounds(const Bounds& design);
    void SetLeft(int v) { SetBounds({v, bounds_.top, bounds_.width, bounds_.height}); }
    void SetHeight(int v) { SetBounds({bounds_.left, bounds_.top, bounds_.width, v}); }

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& text);

    const FontSpec& Font() const { return font_; }
    const FontSpec& DesignFont() const { return designFont_; }
    void SetFont(const FontSpec& designFont);
    TColor Color() const { return color_; }
    void SetColor(TColor c);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& h);
    CursorKind Cursor() const { return cursor_; }
    void SetCursor(CursorKind c) { cursor_ = c; }

    int Dpi() const { return dpi_; }
    // A length of the design scale in this control's pixels.
    int Scaled(int designLength) const { return ScaleToDpi(designLength, dpi_); }
    // Takes on a new DPI: bounds and font from their design values.
    void ChangeDpi(int dpi);

    Event OnClick;

    // The control whose caption names this one for assistive technology
    // (a label beside a list, a header over its frame).
    const Control* NamedBy() const { return namedBy_; }
    void SetNamedBy(const Control* namer) { namedBy_ = namer; }
    // The name: the own caption, else the naming control's caption.
    std::string AccessibleName() const;
    virtual AccessibleFacts Accessible() const { return {}; }
    // A frame reads with everything that lies inside it.
    virtual bool GroupsContent() const { return false; }
    // What the default action does; runs from the message loop.
    virtual void DoDefaultAction() {}

    // Redraw with the next paint message / at once.
    virtual void Invalidate() = 0;
    virtual void Repaint() = 0;

protected:
    virtual void BoundsChanged() {}
    virtual void VisibleChanged() {}
    virtual void EnabledChanged() { Invalidate(); }
    virtual void TextChanged() { Invalidate(); }
    virtual void FontChanged() { Invalidate(); }
    virtual void ColorChanged() { Invalidate(); }
    virtual void HintChanged() {}
    // After a change of DPI, with bounds and font already scaled: the
    // control redraws what it made for the old scale.
    virtual void DpiChanged() { Invalidate(); }
    void SetDpi(int dpi) { dpi_ = dpi; }

    // Runs the click event; derived controls add their own effects.
    virtual void Click();
    friend class Form; // clicks windowless controls, which get no mouse messages

private:
    WinControl* parent_;
    std::string name_;
    Bounds bounds_;
    Bounds designBounds_;
    int dpi_ = kDesignDpi;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    FontSpec font_;
    FontSpec designFont_;
    TColor color_ = clBtnFace;
    std::string hint_;
    CursorKind cursor_ = CursorKind::Default;
    const Control* namedBy_ = nullptr;
};

// A control without a window of its own, painted by its parent in creation
// order, later ones over earlier ones.
class GraphicControl : public Control {
public:
    GraphicControl(WinControl* parent, std::string name, Bounds bounds);

    // Paints onto the parent's surface with the origin at the control's top-left corner.
    virtual void Paint(Canvas& canvas) = 0;

    void Invalidate() override;
    void Repaint() override;

protected:
    void BoundsChanged() override;
    void VisibleChanged() override { Invalidate(); }
};

HCURSOR CursorHandle(CursorKind kind);

// Text of a caption without its accelerator marks ("&&" stays one "&").
std::string StripAccelerator(const std::string& caption);
// The accelerator letter of a caption (the one after a single "&"), or 0.
char AcceleratorOf(const std::string& caption);
// Whether two letters are the same but for case, by the ANSI code page's
// rules (as captions are drawn), so accented accelerators match too.
bool SameLetter(char a, char b);

} // namespace tk
