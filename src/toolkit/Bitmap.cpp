#include "toolkit/Bitmap.h"

#include <cstring>
#include <string>

#include "toolkit/Dpi.h"

namespace tk {

namespace {
constexpr std::uint32_t SwapRedBlue(std::uint32_t v) {
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}
} // namespace

Bitmap::Bitmap(int width, int height) { SetSize(width, height); }

Bitmap::Bitmap(const Bitmap& other) { *this = other; }

Bitmap& Bitmap::operator=(const Bitmap& other) {
    if (this == &other) return *this;
    SetSize(other.width_, other.height_);
    if (!Empty()) {
        GdiFlush();
        std::memcpy(bits_, other.bits_, std::size_t(width_) * height_ * sizeof(std::uint32_t));
    }
    transparent_ = other.transparent_;
    fixedTransparentColor_ = other.fixedTransparentColor_;
    return *this;
}

Bitmap::Bitmap(Bitmap&& o) noexcept { *this = std::move(o); }

Bitmap& Bitmap::operator=(Bitmap&& o) noexcept {
    if (this == &o) return *this;
    Release();
    width_ = std::exchange(o.width_, 0);
    height_ = std::exchange(o.height_, 0);
    bits_ = std::exchange(o.bits_, nullptr);
    dc_ = std::move(o.dc_);
    bitmap_ = std::move(o.bitmap_);
    originalBitmap_ = std::exchange(o.originalBitmap_, nullptr);
    canvas_ = std::move(o.canvas_);
    transparent_ = o.transparent_;
    fixedTransparentColor_ = o.fixedTransparentColor_;
    return *this;
}

Bitmap::~Bitmap() { Release(); }

void Bitmap::Release() {
    canvas_.reset();
    if (dc_ && originalBitmap_) SelectObject(dc_->Get(), originalBitmap_);
    originalBitmap_ = nullptr;
    bitmap_.Reset();
    dc_.reset();
    bits_ = nullptr;
    width_ = height_ = 0;
}

void Bitmap::SetSize(int width, int height) {
    if (width == width_ && height == height_ && (bits_ || width <= 0 || height <= 0)) return;
    Release();
    if (width <= 0 || height <= 0) return;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height; // top-down rows
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    BitmapHandle bmp(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bmp) return;
    auto dc = std::make_unique<MemoryDC>();
    originalBitmap_ = SelectObject(dc->Get(), bmp.Get());
    bitmap_ = std::move(bmp);
    dc_ = std::move(dc);
    bits_ = static_cast<std::uint32_t*>(bits);
    width_ = width;
    height_ = height;
    std::memset(bits_, 0, std::size_t(width_) * height_ * sizeof(std::uint32_t));
}

bool Bitmap::LoadFromResource(const char* name) {
    HBITMAP loaded = static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!loaded) return false;
    BitmapHandle owned(loaded);
    BITMAP info{};
    GetObjectA(loaded, sizeof(info), &info);
    SetSize(info.bmWidth, info.bmHeight);
    if (Empty()) return false;
    MemoryDC src;
    SelectGuard sel(src.Get(), loaded);
    BitBlt(DC(), 0, 0, width_, height_, src.Get(), 0, 0, SRCCOPY);
    return true;
}

bool Bitmap::LoadFromResourceForDpi(const char* name, int dpi) {
    static constexpr int kLargerCopies[] = {200, 150, 125}; // per cent, largest first
    for (const int percent : kLargerCopies) {
        if (dpi * 100 < kDesignDpi * percent) continue;
        if (LoadFromResource((std::string(name) + "_" + std::to_string(percent)).c_str())) return true;
    }
    return LoadFromResource(name);
}

Canvas& Bitmap::GetCanvas() {
    if (!canvas_) {
        if (!dc_) dc_ = std::make_unique<MemoryDC>(); // an empty bitmap still has a surface
        canvas_ = std::make_unique<Canvas>(dc_->Get());
    }
    return *canvas_;
}

std::uint32_t* Bitmap::ScanLine(int y) {
    GdiFlush();
    return bits_ + std::size_t(y) * width_;
}

const std::uint32_t* Bitmap::ScanLine(int y) const {
    GdiFlush();
    return bits_ + std::size_t(y) * width_;
}

TColor Bitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return clBlack;
    return SwapRedBlue(ScanLine(y)[x] & 0x00FFFFFF);
}

void Bitmap::SetPixel(int x, int y, TColor c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    ScanLine(y)[x] = SwapRedBlue(ColorToRGB(c));
}

TColor Bitmap::TransparentColor() const {
    if (fixedTransparentColor_) return *fixedTransparentColor_;
    return Pixel(0, height_ - 1);
}

} // namespace tk
