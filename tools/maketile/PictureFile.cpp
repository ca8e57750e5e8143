#include "PictureFile.h"

#include <windows.h>
#include <wincodec.h>
#include <wrl/client.h>

#include "TileFit.h"
#include "core/Error.h"
#include "toolkit/Handles.h"
#include "toolkit/SystemError.h"

namespace tiletool {

namespace {

using Microsoft::WRL::ComPtr;

constexpr UINT kBgraBytes = 4;
// Beyond this many pixels a picture is surely not meant as a tile.
constexpr std::uint64_t kMaxPixels = 100'000'000;

// COM for the current thread while the object lives.
class ComSession {
public:
    ComSession() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ComSession(const ComSession&) = delete;
    ComSession& operator=(const ComSession&) = delete;
    ~ComSession() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }

private:
    HRESULT result_;
};

std::wstring Wide(const std::string& text) {
    const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(n > 0 ? std::size_t(n) : 1, L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), n);
    wide.pop_back(); // the terminator
    return wide;
}

void Check(HRESULT result, const std::string& what) {
    if (FAILED(result)) throw core::Error(what + " " + SystemErrorMessage(DWORD(result)));
}

} // namespace

DecodedPicture LoadPicture(const std::string& path) {
    const ComSession com;
    const std::string cannot = "Cannot read the picture \"" + path + "\".";
    ComPtr<IWICImagingFactory> factory;
    Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory)),
          cannot);
    ComPtr<IWICBitmapDecoder> decoder;
    Check(factory->CreateDecoderFromFilename(Wide(path).c_str(), nullptr, GENERIC_READ,
                                             WICDecodeMetadataCacheOnDemand, &decoder),
          cannot);
    ComPtr<IWICBitmapFrameDecode> frame;
    Check(decoder->GetFrame(0, &frame), cannot);
    ComPtr<IWICFormatConverter> converter;
    Check(factory->CreateFormatConverter(&converter), cannot);
    Check(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr,
                                0.0, WICBitmapPaletteTypeCustom),
          cannot);
    UINT width = 0, height = 0;
    Check(converter->GetSize(&width, &height), cannot);
    if (width == 0 || height == 0 || std::uint64_t(width) * height > kMaxPixels)
        throw core::Error(cannot + " It is empty or too large.");

    DecodedPicture picture;
    picture.width = int(width);
    picture.height = int(height);
    picture.bgra.resize(std::size_t(width) * height * kBgraBytes);
    Check(converter->CopyPixels(nullptr, width * kBgraBytes, UINT(picture.bgra.size()), picture.bgra.data()),
          cannot);
    return picture;
}

void MakeTileFile(const std::string& picturePath, const std::string& tilePath) {
    const DecodedPicture picture = LoadPicture(picturePath);
    const ui::skin::Tile tile = FitToTile(Picture{picture.width, picture.height, picture.bgra});
    tk::KernelHandle file(CreateFileA(tilePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throw core::Error("Cannot create file \"" + tilePath + "\". " + SystemErrorMessage(GetLastError()));
    DWORD written = 0;
    if (!WriteFile(file.Get(), tile.data(), DWORD(tile.size()), &written, nullptr) || written != tile.size())
        throw core::Error("Cannot write file \"" + tilePath + "\". " + SystemErrorMessage(GetLastError()));
}

} // namespace tiletool
