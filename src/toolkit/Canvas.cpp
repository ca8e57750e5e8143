#include "toolkit/Canvas.h"

#include "toolkit/Bitmap.h"

namespace tk {

Canvas::Canvas(HDC dc)
    : dc_(dc),
      originalPen_(GetCurrentObject(dc, OBJ_PEN)),
      originalBrush_(GetCurrentObject(dc, OBJ_BRUSH)),
      originalFont_(GetCurrentObject(dc, OBJ_FONT)) {}

Canvas::~Canvas() {
    SelectObject(dc_, originalPen_);
    SelectObject(dc_, originalBrush_);
    SelectObject(dc_, originalFont_);
}

void Canvas::SetPenColor(TColor c) {
    if (c != penColor_) penDirty_ = true;
    penColor_ = c;
}
void Canvas::SetPenWidth(int w) {
    if (w != penWidth_) penDirty_ = true;
    penWidth_ = w;
}
void Canvas::SetPenStyle(PenStyle s) {
    if (s != penStyle_) penDirty_ = true;
    penStyle_ = s;
}
void Canvas::SetBrushColor(TColor c) {
    if (c != brushColor_ || brushStyle_ != BrushStyle::Solid) brushDirty_ = true;
    brushColor_ = c;
    brushStyle_ = BrushStyle::Solid;
}
void Canvas::SetBrushStyle(BrushStyle s) {
    if (s != brushStyle_) brushDirty_ = true;
    brushStyle_ = s;
}
void Canvas::SetFont(const FontSpec& f) {
    if (!f.SameFace(font_)) fontDirty_ = true;
    font_ = f;
}

void Canvas::ApplyPen() {
    if (!penDirty_) return;
    const int style = penStyle_ == PenStyle::Clear ? PS_NULL : penStyle_ == PenStyle::Dot ? PS_DOT : PS_SOLID;
    PenHandle pen(CreatePen(style, penWidth_, ColorToRGB(penColor_)));
    SelectObject(dc_, pen.Get());
    pen_ = std::move(pen);
    penDirty_ = false;
}

void Canvas::ApplyBrush() {
    if (!brushDirty_) return;
    if (brushStyle_ == BrushStyle::Clear) {
        SelectObject(dc_, GetStockObject(NULL_BRUSH));
        brush_.Reset();
    } else {
        BrushHandle brush(CreateSolidBrush(ColorToRGB(brushColor_)));
        SelectObject(dc_, brush.Get());
        brush_ = std::move(brush);
    }
    brushDirty_ = false;
}

void Canvas::ApplyFont() {
    if (fontDirty_) {
        SelectObject(dc_, FontHandleFor(font_));
        fontDirty_ = false;
    }
    SetTextColor(dc_, ColorToRGB(font_.color));
    SetBkMode(dc_, brushStyle_ == BrushStyle::Clear ? TRANSPARENT : OPAQUE);
    SetBkColor(dc_, ColorToRGB(brushColor_));
}

void Canvas::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void Canvas::LineTo(int x, int y) {
    ApplyPen();
    ::LineTo(dc_, x, y);
}

void Canvas::Rectangle(int left, int top, int right, int bottom) {
    ApplyPen();
    ApplyBrush();
    ::Rectangle(dc_, left, top, right, bottom);
}

void Canvas::RoundRect(int left, int top, int right, int bottom, int ellipseW, int ellipseH) {
    ApplyPen();
    ApplyBrush();
    ::RoundRect(dc_, left, top, right, bottom, ellipseW, ellipseH);
}

void Canvas::FillRect(const RECT& r) {
    if (brushStyle_ == BrushStyle::Clear) return;
    // Cheaper than a brush object: ExtTextOut fills with the background colour.
    const COLORREF old = SetBkColor(dc_, ColorToRGB(brushColor_));
    ExtTextOutA(dc_, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    SetBkColor(dc_, old);
}

void Canvas::FrameRect(const RECT& r) {
    BrushHandle b(CreateSolidBrush(ColorToRGB(brushColor_)));
    ::FrameRect(dc_, &r, b.Get());
}

void Canvas::DrawFocusRect(const RECT& r) {
    SetTextColor(dc_, RGB(0, 0, 0));
    SetBkColor(dc_, RGB(255, 255, 255));
    ::DrawFocusRect(dc_, &r);
}

SIZE Canvas::TextExtent(const std::string& s) {
    ApplyFont();
    SIZE size{0, 0};
    GetTextExtentPoint32A(dc_, s.c_str(), static_cast<int>(s.size()), &size);
    if (s.empty()) {
        TEXTMETRICA tm{};
        GetTextMetricsA(dc_, &tm);
        size.cy = tm.tmHeight;
    }
    return size;
}

void Canvas::TextOut(int x, int y, const std::string& s) {
    ApplyFont();
    ::TextOutA(dc_, x, y, s.c_str(), static_cast<int>(s.size()));
}

int Canvas::DrawText(const std::string& s, RECT& r, UINT flags) {
    ApplyFont();
    return ::DrawTextA(dc_, s.c_str(), static_cast<int>(s.size()), &r, flags);
}

int Canvas::DrawText(const std::string& s, RECT& r, UINT flags, int tabChars) {
    if (tabChars <= 0) return DrawText(s, r, flags);
    ApplyFont();
    DRAWTEXTPARAMS params{};
    params.cbSize = sizeof params;
    params.iTabLength = tabChars;
    std::string text = s; // DrawTextEx takes a writable buffer
    return ::DrawTextExA(dc_, text.data(), static_cast<int>(text.size()), &r,
                         flags | DT_EXPANDTABS | DT_TABSTOP, &params);
}

int Canvas::AverageCharWidth() {
    ApplyFont();
    TEXTMETRICA tm{};
    GetTextMetricsA(dc_, &tm);
    return tm.tmAveCharWidth;
}

TColor Canvas::Pixel(int x, int y) const {
    const COLORREF c = GetPixel(dc_, x, y);
    return c == CLR_INVALID ? clBlack : c;
}

void Canvas::SetPixel(int x, int y, TColor c) { ::SetPixelV(dc_, x, y, ColorToRGB(c)); }

void Canvas::Draw(int x, int y, const Bitmap& source) {
    if (source.Empty()) return;
    const RECT src{0, 0, source.Width(), source.Height()};
    const RECT dst{x, y, x + source.Width(), y + source.Height()};
    if (source.Transparent())
        DrawTransparent(dst, source, src, source.TransparentColor());
    else
        DrawPart(dst, source, src);
}

void Canvas::DrawPart(const RECT& dest, const Bitmap& source, const RECT& sourceRect) {
    if (source.Empty()) return;
    StretchBlt(dc_, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, source.DC(),
               sourceRect.left, sourceRect.top, sourceRect.right - sourceRect.left,
               sourceRect.bottom - sourceRect.top, SRCCOPY);
}

void Canvas::DrawTransparent(const RECT& dest, const Bitmap& source, const RECT& sourceRect,
                             TColor transparentColor) {
    if (source.Empty()) return;
    // gdi32's own entry: the msimg32 one is only a forwarder, and msimg32 is no
    // KnownDLL, so the program does not import it.
    GdiTransparentBlt(dc_, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, source.DC(),
                      sourceRect.left, sourceRect.top, sourceRect.right - sourceRect.left,
                      sourceRect.bottom - sourceRect.top, ColorToRGB(transparentColor));
}

} // namespace tk
