#pragma once
// Writes a picture of ours as a 24-bit BMP file, for the galleries. Not 32
// bits: the fourth byte of our pixels is not alpha, but picture tools would
// take it for alpha as soon as one pixel (a themed control, an icon) sets it.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "toolkit/Bitmap.h"

namespace tools {

inline bool SaveBitmapFile(const tk::Bitmap& picture, const char* path) {
    constexpr int kBytesPerPixel = 3;
    constexpr int kRowAlignment = 4;
    const int width = picture.Width(), height = picture.Height();
    const int stride = (width * kBytesPerPixel + kRowAlignment - 1) / kRowAlignment * kRowAlignment;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = -height; // rows from the top
    info.biPlanes = 1;
    info.biBitCount = 8 * kBytesPerPixel;
    info.biCompression = BI_RGB;
    const DWORD bytes = DWORD(stride) * DWORD(height);
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + bytes;
    FILE* out = std::fopen(path, "wb");
    if (!out) return false;
    std::fwrite(&file, sizeof(file), 1, out);
    std::fwrite(&info, sizeof(info), 1, out);
    std::vector<unsigned char> row(std::size_t(stride), 0);
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* pixels = picture.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[x]; // 0x00RRGGBB: blue first in memory
            row[std::size_t(x) * 3] = static_cast<unsigned char>(p & 0xFF);
            row[std::size_t(x) * 3 + 1] = static_cast<unsigned char>((p >> 8) & 0xFF);
            row[std::size_t(x) * 3 + 2] = static_cast<unsigned char>((p >> 16) & 0xFF);
        }
        std::fwrite(row.data(), 1, row.size(), out);
    }
    return std::fclose(out) == 0;
}

} // namespace tools
