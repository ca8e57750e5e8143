#include "PictureFile.h"

#include <windows.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "core/Error.h"

namespace {

using Microsoft::WRL::ComPtr;

std::string TempPath(const std::string& name) {
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(sizeof temp, temp);
    return std::string(temp) + "kn-maketile-" + std::to_string(GetCurrentProcessId()) + "-" + name;
}

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using Draw = std::function<COLORREF(int x, int y)>;

// A 24-bit BMP, rows from the bottom, as picture programs write it.
void WriteBmp(const std::string& path, int w, int h, const Draw& draw) {
    const int stride = (w * 3 + 3) / 4 * 4;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = w;
    info.biHeight = h;
    info.biPlanes = 1;
    info.biBitCount = 24;
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + DWORD(stride * h);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(std::size_t(stride), 0);
        for (int x = 0; x < w; ++x) {
            const COLORREF c = draw(x, y);
            row[std::size_t(x) * 3] = GetBValue(c);
            row[std::size_t(x) * 3 + 1] = GetGValue(c);
            row[std::size_t(x) * 3 + 2] = GetRValue(c);
        }
        out.write(reinterpret_cast<const char*>(row.data()), stride);
    }
}

// A PNG written through the system's imaging component.
void WritePng(const std::string& path, int w, int h, const Draw& draw) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    {
        ComPtr<IWICImagingFactory> factory;
        ASSERT_HRESULT_SUCCEEDED(
            CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory)));
        ComPtr<IWICStream> stream;
        ASSERT_HRESULT_SUCCEEDED(factory->CreateStream(&stream));
        const std::wstring wide(path.begin(), path.end());
        ASSERT_HRESULT_SUCCEEDED(stream->InitializeFromFilename(wide.c_str(), GENERIC_WRITE));
        ComPtr<IWICBitmapEncoder> encoder;
        ASSERT_HRESULT_SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder));
        ASSERT_HRESULT_SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache));
        ComPtr<IWICBitmapFrameEncode> frame;
        ASSERT_HRESULT_SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr));
        ASSERT_HRESULT_SUCCEEDED(frame->Initialize(nullptr));
        ASSERT_HRESULT_SUCCEEDED(frame->SetSize(UINT(w), UINT(h)));
        WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
        ASSERT_HRESULT_SUCCEEDED(frame->SetPixelFormat(&format));
        ASSERT_TRUE(IsEqualGUID(format, GUID_WICPixelFormat24bppBGR));
        std::vector<BYTE> pixels;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const COLORREF c = draw(x, y);
                pixels.insert(pixels.end(), {GetBValue(c), GetGValue(c), GetRValue(c)});
            }
        ASSERT_HRESULT_SUCCEEDED(
            frame->WritePixels(UINT(h), UINT(w * 3), UINT(pixels.size()), pixels.data()));
        ASSERT_HRESULT_SUCCEEDED(frame->Commit());
        ASSERT_HRESULT_SUCCEEDED(encoder->Commit());
    }
    CoUninitialize();
}

COLORREF Gradient(int x, int y) { return RGB(x * 2 % 256, y * 2 % 256, 77); }

TEST(MakeTileFile, TurnsBmpAndPngIntoColumnOrderTiles) {
    struct Case {
        const char* name;
        std::function<void(const std::string&, int, int, const Draw&)> write;
    };
    const Case cases[] = {{"picture.bmp", WriteBmp}, {"picture.png", WritePng}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string picture = TempPath(c.name), tile = TempPath("tile.rgb");
        c.write(picture, 128, 128, Gradient);
        tiletool::MakeTileFile(picture, tile);
        const std::vector<std::uint8_t> bytes = ReadAll(tile);
        ASSERT_EQ(bytes.size(), 49152u);
        for (const auto& [x, y] : {std::pair{0, 0}, {0, 1}, {1, 0}, {100, 20}}) {
            const std::size_t at = (std::size_t(x) * 128 + std::size_t(y)) * 3;
            EXPECT_EQ(bytes[at], x * 2 % 256) << x << ", " << y;
            EXPECT_EQ(bytes[at + 1], y * 2 % 256) << x << ", " << y;
            EXPECT_EQ(bytes[at + 2], 77);
        }
        DeleteFileA(picture.c_str());
        DeleteFileA(tile.c_str());
    }
}

TEST(MakeTileFile, ALargePictureIsCroppedAndScaled) {
    const std::string picture = TempPath("wide.bmp"), tile = TempPath("wide.rgb");
    WriteBmp(picture, 768, 256,
             [](int x, int) { return x < 256 || x >= 512 ? RGB(0, 0, 0) : RGB(40, 80, 120); });
    tiletool::MakeTileFile(picture, tile);
    const std::vector<std::uint8_t> bytes = ReadAll(tile);
    ASSERT_EQ(bytes.size(), 49152u);
    EXPECT_EQ(bytes[0], 40);
    EXPECT_EQ(bytes[49151], 120);
    DeleteFileA(picture.c_str());
    DeleteFileA(tile.c_str());
}

TEST(MakeTileFile, ReportsWhatItCannotRead) {
    const std::string text = TempPath("not-a-picture.png");
    std::ofstream(text) << "hello";
    for (const std::string& path : {TempPath("missing.png"), text}) {
        try {
            tiletool::MakeTileFile(path, TempPath("never.rgb"));
            ADD_FAILURE() << "no error for " << path;
        } catch (const core::Error& e) {
            EXPECT_EQ(e.text().rfind("Cannot read the picture \"" + path + "\".", 0), 0u) << e.text();
        }
    }
    EXPECT_EQ(GetFileAttributesA(TempPath("never.rgb").c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileA(text.c_str());
}

} // namespace
