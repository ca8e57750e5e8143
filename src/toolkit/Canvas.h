#pragma once
#include <windows.h>

#include <string>

#include "toolkit/Color.h"
#include "toolkit/Font.h"
#include "toolkit/Handles.h"

namespace tk {

class Bitmap;

enum class PenStyle { Solid, Clear, Dot };
enum class BrushStyle { Solid, Clear };

// Drawing surface over a device context it does not own. Pen, brush and font
// are created when first needed after a change and put back on destruction.
class Canvas {
public:
    explicit Canvas(HDC dc);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas();

    HDC Handle() const { return dc_; }

    void SetPenColor(TColor c);
    void SetPenWidth(int w);
    void SetPenStyle(PenStyle s);
    TColor PenColor() const { return penColor_; }
    void SetBrushColor(TColor c);
    void SetBrushStyle(BrushStyle s);
    TColor BrushColor() const { return brushColor_; }
    void SetFont(const FontSpec& f);
    void SetFontColor(TColor c) { font_.color = c; }
    const FontSpec& Font() const { return font_; }

    void MoveTo(int x, int y);
    void LineTo(int x, int y); // the end point is not drawn
    void Rectangle(int left, int top, int right, int bottom);
    void RoundRect(int left, int top, int right, int bottom, int ellipseW, int ellipseH);
    void FillRect(const RECT& r);  // with the brush, no outline
    void FrameRect(const RECT& r); // one pixel in the brush colour
    void DrawFocusRect(const RECT& r);

    SIZE TextExtent(const std::string& s);
    int TextWidth(const std::string& s) { return TextExtent(s).cx; }
    void TextOut(int x, int y, const std::string& s);
    int DrawText(const std::string& s, RECT& r, UINT flags);
    // Tabs stop every `tabChars` average character widths; 0: the system's eight.
    int DrawText(const std::string& s, RECT& r, UINT flags, int tabChars);
    int AverageCharWidth();

    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor c);

    // Copies part of a bitmap; with a transparent colour, pixels of that
    // colour are left out.
    void Draw(int x, int y, const Bitmap& source);
    void DrawPart(const RECT& dest, const Bitmap& source, const RECT& sourceRect);
    void DrawTransparent(const RECT& dest, const Bitmap& source, const RECT& sourceRect,
                         TColor transparentColor);

private:
    void ApplyPen();
    void ApplyBrush();
    void ApplyFont();

    HDC dc_;
    HGDIOBJ originalPen_;
    HGDIOBJ originalBrush_;
    HGDIOBJ originalFont_;
    PenHandle pen_;
    BrushHandle brush_;
    TColor penColor_ = clBlack;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    bool penDirty_ = true;
    TColor brushColor_ = clWhite;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    bool brushDirty_ = true;
    FontSpec font_;
    bool fontDirty_ = true;
};

} // namespace tk
