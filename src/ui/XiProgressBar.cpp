#include "ui/XiProgressBar.h"

#include <ole2.h>
#include <oleacc.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "ui/BarGradient.h"

namespace ui {

namespace {

using xibar::GradientDirection;
using xibar::GradientRect;

void PaintGradient(tk::Canvas& canvas, const GradientRect& rect, tk::TColor start, tk::TColor end,
                   GradientDirection direction) {
    for (const xibar::GradientLine& line : xibar::GradientLines(rect, start, end, direction)) {
        canvas.SetPenColor(line.color);
        canvas.MoveTo(line.x1, line.y1);
        canvas.LineTo(line.x2, line.y2);
    }
}

// Redraws a line in the colour the gradients left at a sample point.
void LineInColorOf(tk::Canvas& canvas, const tk::Bitmap& surface, POINT sample, POINT from, POINT to) {
    canvas.SetPenColor(surface.Pixel(sample.x, sample.y));
    canvas.MoveTo(from.x, from.y);
    canvas.LineTo(to.x, to.y);
}

} // namespace

TXiProgressBar::TXiProgressBar(tk::WinControl* parent, std::string name)
    : TXiProgressBar(parent, std::move(name), tk::Bounds{0, 0, kDefaultWidth, kDefaultHeight}) {}

TXiProgressBar::TXiProgressBar(tk::WinControl* parent, std::string name, tk::Bounds bounds)
    : GraphicControl(parent, std::move(name), bounds) {
    SetColorScheme(TColorScheme::csDesert);
}

void TXiProgressBar::SetIndexedColor(int index, tk::TColor c) {
    switch (index) {
    case ciColorBorder: colors_.border = c; break;
    case ciBackColorFace: colors_.backFace = c; break;
    case ciBackColorGrad: colors_.backGrad = c; break;
    case ciForeColorFace: colors_.foreFace = c; break;
    case ciForeColorGrad: colors_.foreGrad = c; break;
    default: return;
    }
    colorScheme_ = TColorScheme::csCustom;
    Invalidate();
}

void TXiProgressBar::SetColorScheme(TColorScheme scheme) {
    colorScheme_ = scheme;
    if (const auto colors = xibar::SchemeColors(scheme, &tk::SystemColorNow)) colors_ = *colors;
    Invalidate();
}

void TXiProgressBar::SetPosition(int v) {
    if (v < min_) return;
    position_ = v;
    Repaint();
}

void TXiProgressBar::SetMin(int v) {
    if (max_ < v) return;
    min_ = v;
    Repaint();
}

void TXiProgressBar::SetMax(int v) {
    if (v < min_) return;
    max_ = v;
    Repaint();
}

void TXiProgressBar::SetStep(int v) {
    step_ = v;
    Repaint();
}

void TXiProgressBar::SetOrientation(TProgressBarOrientation v) {
    orientation_ = v;
    Invalidate();
}

void TXiProgressBar::Paint(tk::Canvas& canvas) {
    if (!Visible()) return;
    const int w = Width(), h = Height();
    if (w <= 0 || h <= 0) return;
    offscreen_.SetSize(w, h);
    if (offscreen_.Empty()) return;

    tk::Canvas& surface = offscreen_.GetCanvas();
    surface.SetPenWidth(1);
    surface.SetPenStyle(tk::PenStyle::Solid);
    // Tiny bars sample pixels no gradient reached; keep those the same every time.
    surface.SetBrushColor(tk::clBlack);
    surface.FillRect(RECT{0, 0, w, h});

    if (orientation_ == TProgressBarOrientation::pbVertical)
        PaintVertical(surface, w, h);
    else
        PaintHorizontal(surface, w, h);

    surface.SetPenColor(colors_.border);
    surface.SetBrushStyle(tk::BrushStyle::Clear);
    surface.Rectangle(0, 0, w, h);

    canvas.Draw(0, 0, offscreen_);
}

void TXiProgressBar::PaintHorizontal(tk::Canvas& surface, int w, int h) {
    const auto fill = xibar::HorizontalFill(w, position_, min_, max_);
    PaintGradient(surface, {1, 1, w - 1, h - 1}, colors_.backFace, colors_.backGrad,
                  GradientDirection::HorizontalLines);
    if (fill)
        PaintGradient(surface, {0, 0, *fill, h}, colors_.foreFace, colors_.foreGrad,
                      GradientDirection::HorizontalLines);
    // Flat edges: column 1 takes the shade of the first inner row (a highlight
    // along the left end), the end of the fill that of the last inner row.
    LineInColorOf(surface, offscreen_, {1, 1}, {1, 1}, {1, h});
    if (fill) LineInColorOf(surface, offscreen_, {2, h - 2}, {*fill, 1}, {*fill, h});
}

void TXiProgressBar::PaintVertical(tk::Canvas& surface, int w, int h) {
    const auto top = xibar::VerticalFillTop(h, position_, min_, max_);
    PaintGradient(surface, {1, 1, w - 1, h}, colors_.backFace, colors_.backGrad,
                  GradientDirection::VerticalLines);
    if (top)
        PaintGradient(surface, {0, *top, w, h}, colors_.foreFace, colors_.foreGrad,
                      GradientDirection::VerticalLines);
    LineInColorOf(surface, offscreen_, {2, h - 2}, {1, h - 2}, {w, h - 2});
    if (top) LineInColorOf(surface, offscreen_, {w - 3, h - 3}, {1, *top}, {w, *top});
}

tk::AccessibleFacts TXiProgressBar::Accessible() const {
    const std::int64_t span = std::int64_t(Max()) - Min();
    const std::int64_t percent =
        span > 0 ? std::clamp<std::int64_t>((std::int64_t(Position()) - Min()) * 100 / span, 0, 100) : 0;
    return {.role = ROLE_SYSTEM_PROGRESSBAR,
            .name = AccessibleName(),
            .value = std::to_string(percent) + "%",
            .state = STATE_SYSTEM_READONLY};
}

} // namespace ui
