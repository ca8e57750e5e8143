#include "ui/skin.h"

#include <utility>

#include "core/Error.h"
#include "toolkit/Color.h"
#include "toolkit/Handles.h"
#include "toolkit/SystemError.h"
#include "toolkit/WideText.h"

namespace ui {

namespace {

constexpr char kSkinFolder[] = "skins\\";
constexpr char kSkinPattern[] = "*.ini";
constexpr char kTileFolder[] = "skins\\backfones\\";
constexpr std::uint8_t kWhite = 0xFF;
// GetPrivateProfileStringW reports a cut value as the buffer's size less one.
constexpr DWORD kFirstValueBuffer = 256;
constexpr DWORD kTruncationMargin = 1;

struct SkinState {
    std::vector<TSkin> skins;
    TActiveSkin active;
    skin::Tile tile{};
    bool highContrast = false;
    HighContrastReader readHighContrast = &SystemHighContrast;
};

SkinState& State() {
    static SkinState state;
    return state;
}

// Skin files are text in the ANSI code page; the wide call reads them as
// such, whatever letters the path holds. Values come back as UTF-8, like paths.
class ProfileSkinFile : public skin::ISkinFile {
public:
    explicit ProfileSkinFile(const std::string& path) : path_(tk::Widen(path)) {}

    std::string Read(const char* section, const char* key, const char* defaultValue) override {
        const std::wstring wideSection = tk::Widen(section), wideKey = tk::Widen(key);
        const std::wstring wideDefault = tk::Widen(defaultValue);
        std::wstring value(kFirstValueBuffer, L'\0');
        for (;;) {
            const DWORD size = static_cast<DWORD>(value.size());
            const DWORD length = GetPrivateProfileStringW(
                wideSection.c_str(), wideKey.c_str(), wideDefault.c_str(), value.data(), size, path_.c_str());
            if (length + kTruncationMargin < size) {
                value.resize(length);
                return tk::Utf8(value);
            }
            value.resize(value.size() * 2);
        }
    }

private:
    std::wstring path_;
};

[[noreturn]] void RaiseOpenError(const std::string& path, DWORD error) {
    throw core::Error("Cannot open file \"" + tk::AnsiFromUtf8(path) + "\". " + SystemErrorMessage(error));
}

// Reads the tile file; a file of any other length leaves the tile as it is.
void LoadTile(const std::string& path, skin::Tile& tile) {
    tk::KernelHandle file(CreateFileW(tk::Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) RaiseOpenError(path, GetLastError());
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || !skin::IsTileSize(static_cast<std::uint64_t>(size.QuadPart)))
        return;
    // Read aside first, so that a failing read cannot leave half a tile.
    skin::Tile read{};
    DWORD got = 0;
    const bool readOk = ReadFile(file.Get(), read.data(), static_cast<DWORD>(read.size()), &got, nullptr);
    // A file cut short since its size was taken reads as an early end.
    if (!readOk || got != read.size())
        throw core::Error("Cannot read file \"" + tk::AnsiFromUtf8(path) + "\". " +
                          SystemErrorMessage(readOk ? ERROR_HANDLE_EOF : GetLastError()));
    tile = read;
}

std::vector<skin::LevelRect> LevelRects(const std::vector<RECT>& rects) {
    std::vector<skin::LevelRect> out;
    out.reserve(rects.size());
    for (const RECT& r : rects) out.push_back({r.left, r.top, r.right - r.left, r.bottom - r.top});
    return out;
}

} // namespace

void LoadSkinList(const std::string& programFolder, const std::string& languageCode) {
    SkinState& state = State();
    state.tile.fill(kWhite);
    state.skins.clear();
    state.active = TActiveSkin{};
    FollowHighContrast();

    const std::string skinFolder = programFolder + kSkinFolder;
    const std::string tileFolder = programFolder + kTileFolder;
    WIN32_FIND_DATAW found{};
    const tk::FindHandle listing(FindFirstFileW(tk::Widen(skinFolder + kSkinPattern).c_str(), &found));
    if (!listing) return;
    do {
        if (!skin::TakesSkinFile(found.dwFileAttributes)) continue;
        const std::string fileName = tk::Utf8(found.cFileName);
        ProfileSkinFile file(skinFolder + fileName);
        state.skins.push_back(skin::ReadSkin(file, languageCode, tileFolder));
        state.skins.back().FileName = fileName;
    } while (FindNextFileW(listing.Get(), &found));
}

void SelectSkin(int index) {
    SkinState& state = State();
    if (index < 0 || index >= static_cast<int>(state.skins.size())) return;
    const TSkin& chosen = state.skins[static_cast<std::size_t>(index)];
    state.active = {chosen.Level1, chosen.Level2, chosen.Level3, chosen.ButtonStyle, chosen.BarStyle};
    LoadTile(chosen.ImagePath, state.tile);
}

const std::vector<TSkin>& Skins() { return State().skins; }
const TActiveSkin& ActiveSkin() { return State().highContrast ? skin::kSystemLook : State().active; }

bool SystemHighContrast() {
    HIGHCONTRASTA setting{};
    setting.cbSize = sizeof setting;
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
           (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void SetHighContrastReader(HighContrastReader reader) {
    State().readHighContrast = reader ? reader : &SystemHighContrast;
}

bool HighContrastInForce() { return State().highContrast; }

bool FollowHighContrast() {
    SkinState& state = State();
    const bool on = state.readHighContrast();
    return std::exchange(state.highContrast, on) != on;
}
bool PaintedLook::Outdated() {
    FollowHighContrast();
    return highContrast_ != HighContrastInForce();
}

const skin::Tile& BackgroundTile() { return State().tile; }

void BlendBackground(tk::Bitmap& picture, int width, int height, const std::vector<RECT>& level1Rects,
                     const std::vector<RECT>& level2Rects) {
    picture.SetSize(width, height);
    if (picture.Empty()) return;
    const SkinState& state = State();
    const std::vector<skin::LevelRect> ones = LevelRects(level1Rects);
    const std::vector<skin::LevelRect> twos = LevelRects(level2Rects);
    skin::BlendInput input;
    input.tile = &state.tile;
    input.faceColor = GetSysColor(COLOR_BTNFACE);
    const TActiveSkin& active = ActiveSkin();
    input.level1 = active.Level1;
    input.level2 = active.Level2;
    input.level3 = active.Level3;
    input.level1Rects = ones;
    input.level2Rects = twos;
    // Rows of the DIB section follow each other without gaps.
    skin::BlendPixels(input, picture.ScanLine(0), width, height, width);
}

xibutton::TColorScheme ButtonSchemeFor() { return skin::ButtonSchemeFor(ActiveSkin().ButtonStyle); }
xibar::TColorScheme BarSchemeFor() { return skin::BarSchemeFor(ActiveSkin().BarStyle); }

} // namespace ui
