#include "toolkit/Font.h"

#include <vector>

#include "toolkit/Gdi.h"

namespace tk {

namespace {
struct CachedFont {
    FontSpec spec;
    FontHandle handle;
};
std::vector<CachedFont>& Cache() {
    static std::vector<CachedFont> cache;
    return cache;
}
} // namespace

HFONT FontHandleFor(const FontSpec& spec) {
    for (const auto& f : Cache())
        if (f.spec.SameFace(spec)) return f.handle.get();
    LOGFONTA lf{};
    lf.lfHeight = spec.height;
    lf.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = spec.italic;
    lf.lfUnderline = spec.underline;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    lstrcpynA(lf.lfFaceName, spec.name.c_str(), LF_FACESIZE);
    Cache().push_back({spec, FontHandle(CreateFontIndirectA(&lf))});
    return Cache().back().handle.get();
}

} // namespace tk
