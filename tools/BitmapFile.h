#pragma once
// Writes a picture of ours as a 32-bit BMP file, for the galleries.
#include <windows.h>

#include <cstdio>

#include "toolkit/Bitmap.h"

namespace tools {

inline bool SaveBitmapFile(const tk::Bitmap& picture, const char* path) {
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = picture.Width();
    info.biHeight = -picture.Height(); // rows from the top
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    const DWORD bytes = DWORD(picture.Width()) * DWORD(picture.Height()) * sizeof(std::uint32_t);
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + bytes;
    FILE* out = std::fopen(path, "wb");
    if (!out) return false;
    std::fwrite(&file, sizeof(file), 1, out);
    std::fwrite(&info, sizeof(info), 1, out);
    std::fwrite(picture.ScanLine(0), 1, bytes, out);
    return std::fclose(out) == 0;
}

} // namespace tools
