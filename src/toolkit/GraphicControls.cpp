#include "toolkit/GraphicControls.h"

#include <ole2.h>
#include <oleacc.h>

#include <algorithm>
#include <cstdlib>

namespace tk {

namespace {
// Text is measured often (labels follow the clock): one memory DC serves all.
HDC MeasuringDC() {
    static MemoryDC dc;
    return dc.Get();
}
} // namespace

Label::Label(WinControl* parent, std::string name, Bounds bounds, LabelArgs args)
    : GraphicControl(parent, std::move(name), bounds),
      transparent_(args.transparent),
      autoSize_(args.autoSize),
      alignment_(args.alignment),
      fitWidth_(args.fitWidth) {
    FontSpec font = args.font.value_or(DesignFont());
    if (args.bold) font.bold = true;
    SetFont(font);
    if (args.color) SetColor(*args.color);
    SetCaption(args.caption);
    AdjustSize();
}

void Label::SetTransparent(bool v) {
    if (v == transparent_) return;
    transparent_ = v;
    Invalidate();
}

void Label::TextChanged() {
    AdjustSize();
    Invalidate();
}

void Label::FontChanged() {
    AdjustSize();
    Invalidate();
}

namespace {
// A caption with line breaks is drawn as that many lines.
bool IsMultiLine(const std::string& caption) { return caption.find('\n') != std::string::npos; }
UINT TextFlags(const std::string& caption) {
    return IsMultiLine(caption) ? DT_EXPANDTABS : DT_EXPANDTABS | DT_SINGLELINE;
}

// In a text of several lines a tab starts a second column: its stop lies a
// little past the widest first column, so that the columns line up.
constexpr int kColumnGapChars = 2;
int ColumnTabChars(Canvas& canvas, const std::string& caption) {
    if (!IsMultiLine(caption)) return 0;
    int widest = 0;
    for (std::size_t start = 0; start <= caption.size();) {
        const std::size_t end = std::min(caption.find('\n', start), caption.size());
        const std::size_t tab = caption.find('\t', start);
        if (tab < end) widest = std::max(widest, canvas.TextWidth(caption.substr(start, tab - start)));
        start = end + 1;
    }
    if (widest == 0) return 0;
    const int average = std::max(canvas.AverageCharWidth(), 1);
    return (widest + average - 1) / average + kColumnGapChars;
}
} // namespace

SIZE Label::MeasureCaption(const FontSpec& font) const {
    Canvas canvas(MeasuringDC());
    canvas.SetFont(font);
    if (IsMultiLine(Caption())) {
        RECT r{};
        canvas.DrawText(Caption(), r, TextFlags(Caption()) | DT_CALCRECT, ColumnTabChars(canvas, Caption()));
        return {r.right - r.left, r.bottom - r.top};
    }
    return canvas.TextExtent(StripAccelerator(Caption()));
}

FontSpec Label::FittingFont(int width) const {
    FontSpec font = Font();
    const int full = std::abs(font.height);
    const int sign = font.height < 0 ? -1 : 1;
    const int smallest = std::max(1, full * kSmallestFitPercent / 100);
    for (int height = full - 1; height >= smallest; --height) {
        font.height = sign * height;
        if (MeasureCaption(font).cx <= width) break;
    }
    return font;
}

void Label::AdjustSize() {
    drawnFont_ = Font();
    const int fitWidth = Scaled(fitWidth_);
    SIZE size = MeasureCaption(drawnFont_);
    if (fitWidth_ > 0 && size.cx > fitWidth) {
        drawnFont_ = FittingFont(fitWidth);
        // The line keeps its height, so the label does not jump.
        size.cx = std::min<LONG>(MeasureCaption(drawnFont_).cx, fitWidth);
    }
    if (!autoSize_) return;
    SetBounds({Left(), Top(), size.cx, size.cy});
}

AccessibleFacts Label::Accessible() const {
    return {.role = ROLE_SYSTEM_STATICTEXT, .name = AccessibleName(), .state = STATE_SYSTEM_READONLY};
}

void Label::Paint(Canvas& canvas) {
    RECT r{0, 0, Width(), Height()};
    if (!transparent_) {
        canvas.SetBrushColor(Color());
        canvas.FillRect(r);
    }
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetFont(drawnFont_);
    if (!Enabled()) canvas.SetFontColor(clGrayText);
    UINT flags = TextFlags(Caption());
    if (!drawnFont_.SameFace(Font())) flags |= DT_VCENTER | DT_END_ELLIPSIS;
    if (alignment_ == TextAlignment::Center) flags |= DT_CENTER;
    if (alignment_ == TextAlignment::Right) flags |= DT_RIGHT;
    canvas.DrawText(Caption(), r, flags, ColumnTabChars(canvas, Caption()));
}

Bevel::Bevel(WinControl* parent, std::string name, Bounds bounds, BevelShape shape)
    : GraphicControl(parent, std::move(name), bounds), shape_(shape) {}

AccessibleFacts Bevel::Accessible() const {
    if (!GroupsContent() || !NamedBy()) return {};
    return {.role = ROLE_SYSTEM_GROUPING, .name = AccessibleName()};
}

void Bevel::Paint(Canvas& canvas) {
    const int w = Width(), h = Height();
    canvas.SetPenWidth(1);
    canvas.SetPenStyle(PenStyle::Solid);
    if (shape_ == BevelShape::TopLine) {
        canvas.SetPenColor(clBtnShadow);
        canvas.MoveTo(0, 0);
        canvas.LineTo(w, 0);
        canvas.SetPenColor(clBtnHighlight);
        canvas.MoveTo(0, 1);
        canvas.LineTo(w, 1);
        return;
    }
    // An etched frame: shadow outline, highlight outline one pixel in and down.
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetPenColor(clBtnHighlight);
    canvas.Rectangle(1, 1, w, h);
    canvas.SetPenColor(clBtnShadow);
    canvas.Rectangle(0, 0, w - 1, h - 1);
}

Shape::Shape(WinControl* parent, std::string name, Bounds bounds, ShapeArgs args)
    : GraphicControl(parent, std::move(name), bounds), args_(args) {}

void Shape::SetBrushColor(TColor c) {
    if (c == args_.brushColor) return;
    args_.brushColor = c;
    Invalidate();
}

void Shape::SetPenColor(TColor c) {
    if (c == args_.penColor) return;
    args_.penColor = c;
    Invalidate();
}

void Shape::Paint(Canvas& canvas) {
    const int penWidth = Scaled(args_.penWidth);
    canvas.SetPenColor(args_.penColor);
    canvas.SetPenWidth(penWidth);
    canvas.SetBrushColor(args_.brushColor);
    // Keep a wide pen's stroke inside the control.
    const int x = penWidth / 2;
    const int w = Width() - penWidth + 1, h = Height() - penWidth + 1;
    if (args_.kind == ShapeKind::RoundRect) {
        const int corner = std::min(w, h) / 4;
        canvas.RoundRect(x, x, x + w, x + h, corner, corner);
    } else {
        canvas.Rectangle(x, x, x + w, x + h);
    }
}

Image::Image(WinControl* parent, std::string name, Bounds bounds)
    : GraphicControl(parent, std::move(name), bounds) {}

void Image::Paint(Canvas& canvas) {
    if (!picture_.Empty()) canvas.Draw(0, 0, picture_);
}

} // namespace tk
