#include "toolkit/Font.h"

#include <vector>

#include "toolkit/Handles.h"

namespace tk {

namespace {
struct CachedFont {
    FontSpec face;
    FontHandle handle;
};
std::vector<CachedFont>& Cache() {
    static std::vector<CachedFont> cache;
    return cache;
}
} // namespace

HFONT FontHandleFor(const FontSpec& face) {
    for (const auto& f : Cache())
        if (f.face.SameFace(face)) return f.handle.Get();
    LOGFONTA lf{};
    lf.lfHeight = face.height;
    lf.lfWeight = face.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = face.italic;
    lf.lfUnderline = face.underline;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    lstrcpynA(lf.lfFaceName, face.name.c_str(), LF_FACESIZE);
    Cache().push_back({face, FontHandle(CreateFontIndirectA(&lf))});
    return Cache().back().handle.Get();
}

} // namespace tk
