#include "toolkit/Control.h"

#include "toolkit/Form.h"
#include "toolkit/WinControl.h"

namespace tk {

Bounds ScaleToDpi(const Bounds& design, int dpi) {
    const int left = ScaleToDpi(design.left, dpi), top = ScaleToDpi(design.top, dpi);
    return {left, top, ScaleToDpi(design.left + design.width, dpi) - left,
            ScaleToDpi(design.top + design.height, dpi) - top};
}

Bounds ScaleFromDpi(const Bounds& scaled, int dpi) {
    const int left = ScaleFromDpi(scaled.left, dpi), top = ScaleFromDpi(scaled.top, dpi);
    return {left, top, ScaleFromDpi(scaled.left + scaled.width, dpi) - left,
            ScaleFromDpi(scaled.top + scaled.height, dpi) - top};
}

FontSpec ScaleToDpi(const FontSpec& design, int dpi) {
    FontSpec scaled = design;
    scaled.height = ScaleToDpi(design.height, dpi);
    return scaled;
}

Control::Control(WinControl* parent, std::string name, Bounds bounds)
    : parent_(parent), name_(std::move(name)), designBounds_(bounds) {
    if (parent_) {
        dpi_ = parent_->Dpi();
        designFont_ = parent_->DesignFont();
        color_ = parent_->Color();
    }
    bounds_ = ScaleToDpi(designBounds_, dpi_);
    font_ = ScaleToDpi(designFont_, dpi_);
}

void Control::ChangeDpi(int dpi) {
    if (dpi == dpi_) return;
    Invalidate(); // the area it leaves
    dpi_ = dpi;
    bounds_ = ScaleToDpi(designBounds_, dpi_);
    font_ = ScaleToDpi(designFont_, dpi_);
    BoundsChanged();
    FontChanged();
    DpiChanged();
}

Form* Control::OwnerForm() const {
    const Control* c = this;
    while (c->parent_) c = c->parent_;
    return dynamic_cast<Form*>(const_cast<Control*>(c));
}

std::string Control::AccessibleName() const {
    if (!caption_.empty() || !namedBy_) return StripAccelerator(caption_);
    return StripAccelerator(namedBy_->Caption());
}

void Control::SetBounds(Bounds b) {
    if (b.left == bounds_.left && b.top == bounds_.top && b.width == bounds_.width &&
        b.height == bounds_.height)
        return;
    Invalidate(); // the area it leaves
    bounds_ = b;
    designBounds_ = ScaleFromDpi(b, dpi_);
    BoundsChanged();
}

void Control::SetDesignBounds(const Bounds& design) {
    SetBounds(ScaleToDpi(design, dpi_));
    designBounds_ = design;
}

void Control::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    VisibleChanged();
}

void Control::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    EnabledChanged();
}

void Control::SetCaption(const std::string& text) {
    if (text == caption_) return;
    caption_ = text;
    TextChanged();
}

void Control::SetFont(const FontSpec& designFont) {
    designFont_ = designFont;
    font_ = ScaleToDpi(designFont_, dpi_);
    FontChanged();
}

void Control::SetColor(TColor c) {
    if (c == color_) return;
    color_ = c;
    ColorChanged();
}

void Control::SetHint(const std::string& h) {
    if (h == hint_) return;
    hint_ = h;
    HintChanged();
}

void Control::Click() {
    if (OnClick) OnClick(*this);
}

GraphicControl::GraphicControl(WinControl* parent, std::string name, Bounds bounds)
    : Control(parent, std::move(name), bounds) {}

void GraphicControl::Invalidate() {
    if (!Parent() || !Parent()->Handle()) return;
    const RECT r = GetBounds().Rect();
    InvalidateRect(Parent()->Handle(), &r, FALSE);
}

void GraphicControl::Repaint() {
    if (Form* form = OwnerForm(); form && form == Parent() && form->Handle())
        form->RepaintNow(GetBounds().Rect());
}

void GraphicControl::BoundsChanged() { Invalidate(); }

HCURSOR CursorHandle(CursorKind kind) {
    switch (kind) {
    case CursorKind::Hand: return LoadCursorA(nullptr, IDC_HAND);
    case CursorKind::Text: return LoadCursorA(nullptr, IDC_IBEAM);
    case CursorKind::Default: break;
    }
    return LoadCursorA(nullptr, IDC_ARROW);
}

std::string StripAccelerator(const std::string& caption) {
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        out += caption[i];
    }
    return out;
}

char AcceleratorOf(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] != '&') return caption[i + 1];
        ++i;
    }
    return 0;
}

bool SameLetter(char a, char b) {
    char pair[2] = {a, b};
    CharUpperBuffA(pair, 2);
    return pair[0] == pair[1];
}

} // namespace tk
