#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>

#include "toolkit/Canvas.h"
#include "toolkit/Color.h"
#include "toolkit/Handles.h"

namespace tk {

// A 32-bit top-down DIB section with its own memory DC, for off-screen
// drawing and direct pixel access. Pixels are stored as 0x00RRGGBB words.
class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height);
    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);
    Bitmap(Bitmap&&) noexcept;
    Bitmap& operator=(Bitmap&&) noexcept;
    ~Bitmap();

    // Contents are not preserved.
    void SetSize(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }

    // Loads a bitmap resource of the executable; false when there is none.
    bool LoadFromResource(const char* name);
    // The sharpest copy of a picture for `dpi` that needs no stretching: the
    // resource NAME_125, NAME_150 or NAME_200 (per cent of 96 DPI) up to
    // that scale, else NAME itself.
    bool LoadFromResourceForDpi(const char* name, int dpi);

    HDC DC() const { return dc_ ? dc_->Get() : nullptr; }
    Canvas& GetCanvas();

    // Direct row access; flushes pending GDI drawing first.
    std::uint32_t* ScanLine(int y);
    const std::uint32_t* ScanLine(int y) const;
    TColor Pixel(int x, int y) const; // as 0x00BBGGRR; black outside the bitmap
    void SetPixel(int x, int y, TColor c);

    // Transparency used when the bitmap is drawn with Canvas::Draw. Without a
    // fixed colour the bottom-left pixel is the transparent one.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on) { transparent_ = on; }
    TColor TransparentColor() const;
    void SetTransparentColor(TColor c) { fixedTransparentColor_ = c; }

private:
    void Release();

    int width_ = 0;
    int height_ = 0;
    std::uint32_t* bits_ = nullptr;
    std::unique_ptr<MemoryDC> dc_;
    BitmapHandle bitmap_;
    HGDIOBJ originalBitmap_ = nullptr;
    std::unique_ptr<Canvas> canvas_;
    bool transparent_ = false;
    std::optional<TColor> fixedTransparentColor_;
};

} // namespace tk
