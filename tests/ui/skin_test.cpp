#include "ui/skin.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "SkinFolder.h"
#include "core/Error.h"

namespace {

using skin_folder::SkinFolder;
using ButtonScheme = ui::xibutton::TColorScheme;
using BarScheme = ui::xibar::TColorScheme;

constexpr COLORREF kWorkedFace = RGB(236, 233, 216);

std::vector<std::uint8_t> TileBytes(std::size_t size, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = (i % 3 == 0) ? r : (i % 3 == 1) ? g : b;
    return bytes;
}

bool TileIsAll(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    const auto& tile = ui::BackgroundTile();
    for (std::size_t i = 0; i < tile.size(); i += 3)
        if (tile[i] != r || tile[i + 1] != g || tile[i + 2] != b) return false;
    return true;
}

std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const ui::TSkin& s : ui::Skins()) names.push_back(s.Name);
    return names;
}

// The button face of the worked examples for the test's lifetime.
class WorkedFace {
public:
    WorkedFace() : saved_(GetSysColor(COLOR_BTNFACE)) { SetFace(kWorkedFace); }
    ~WorkedFace() { SetFace(saved_); }

private:
    static void SetFace(COLORREF c) {
        const INT element = COLOR_BTNFACE;
        SetSysColors(1, &element, &c);
    }
    COLORREF saved_;
};

class SkinTest : public ::testing::Test {
protected:
    void TearDown() override { ui::LoadSkinList(folder_.Root() + "none\\", "ENG"); }
    SkinFolder folder_;
};

TEST_F(SkinTest, NoSkinFolderLeavesTheWhiteTileAndTheStartValues) {
    ui::LoadSkinList(folder_.Root(), "ENG");
    EXPECT_TRUE(ui::Skins().empty());
    EXPECT_TRUE(TileIsAll(0xFF, 0xFF, 0xFF));
    ui::SelectSkin(0);
    const ui::TActiveSkin& active = ui::ActiveSkin();
    EXPECT_EQ(active.Level1, 0.85f);
    EXPECT_EQ(active.Level2, 0.75f);
    EXPECT_EQ(active.Level3, 0.45f);
    EXPECT_EQ(ui::ButtonSchemeFor(), ButtonScheme::csSystem);
    EXPECT_EQ(ui::BarSchemeFor(), BarScheme::csSystem);
}

TEST_F(SkinTest, AKeylessFileIsListedButCannotBeSelected) {
    folder_.WriteSkin("bare.ini", "");
    ui::LoadSkinList(folder_.Root(), "ENG");
    ASSERT_EQ(ui::Skins().size(), 1u);
    const ui::TSkin& bare = ui::Skins()[0];
    EXPECT_EQ(bare.Name, "<NONAME>");
    EXPECT_EQ(bare.ImagePath, folder_.Root() + "skins\\backfones\\");

    std::string error;
    try {
        ui::SelectSkin(0);
    } catch (const core::Error& e) {
        error = e.text();
    }
    const std::string start = "Cannot open file \"" + folder_.Root() + "skins\\backfones\\\". ";
    EXPECT_EQ(error.substr(0, start.size()), start);
    EXPECT_GT(error.size(), start.size()) << "the system's reason follows";
    EXPECT_EQ(ui::ActiveSkin().Level2, 0.85f) << "the values were taken before the file failed";
    EXPECT_TRUE(TileIsAll(0xFF, 0xFF, 0xFF));
}

TEST_F(SkinTest, OnlyPlainFilesAreListedAndDuplicatesStay) {
    folder_.WriteSkin("a.ini", "[NAME]\r\nSKIN_ENG=Twin\r\n");
    folder_.WriteSkin("b.ini", "[name]\r\nskin_eng=Twin\r\n");
    folder_.WriteSkin("c.ini", "[NAME]\r\nSKIN_ENG=Locked\r\n", FILE_ATTRIBUTE_READONLY);
    folder_.WriteSkin("d.ini", "[NAME]\r\nSKIN_ENG=Hidden\r\n", FILE_ATTRIBUTE_HIDDEN);
    folder_.WriteSkin("e.txt", "[NAME]\r\nSKIN_ENG=Other\r\n");
    folder_.WriteSkin("f.ini", "[NAME]\r\nSKIN_DEU=Deutsch\r\n");
    ui::LoadSkinList(folder_.Root(), "ENG");
    std::vector<std::string> names = Names();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"<NONAME>", "Twin", "Twin"}));
}

TEST_F(SkinTest, SelectingCopiesTheValuesAndLoadsOnlyAWholeTile) {
    struct Case {
        const char* file;
        std::size_t size;
        bool loaded;
    };
    const Case cases[] = {
        {"short.bin", 49151, false}, {"exact.bin", 49152, true}, {"long.bin", 49153, false}};
    for (const Case& c : cases) {
        SkinFolder folder;
        folder.WriteTile(c.file, TileBytes(c.size, 10, 20, 30));
        folder.WriteSkin("s.ini", std::string("[TRANSPARENCY]\r\nLEVEL1=0.9\r\nLEVEL2=0.6\r\nLEVEL3=0.3\r\n"
                                              "[BUTTONS]\r\nSTYLE=9\r\n[BARS]\r\nSTYLE=$8\r\n"
                                              "[BACKGROUND]\r\nIMAGE=") +
                                      c.file + "\r\n");
        ui::LoadSkinList(folder.Root(), "ENG");
        ui::SelectSkin(0);
        EXPECT_EQ(TileIsAll(10, 20, 30), c.loaded) << c.size;
        EXPECT_EQ(TileIsAll(0xFF, 0xFF, 0xFF), !c.loaded) << c.size;
        EXPECT_EQ(ui::ActiveSkin().Level1, 0.9f);
        EXPECT_EQ(ui::ActiveSkin().Level3, 0.3f);
        EXPECT_EQ(ui::ButtonSchemeFor(), ButtonScheme::csNeoRose);
        EXPECT_EQ(ui::BarSchemeFor(), BarScheme::csNight);
    }
}

// The indented block after a heading of the README, without its indent.
std::string ReadmeBlock(const std::string& heading) {
    std::ifstream file(std::string("Z:") + KN_SOURCE_DIR + "/README.md", std::ios::binary);
    const std::string readme{std::istreambuf_iterator<char>(file), {}};
    constexpr char kIndent[] = "    ";
    std::size_t at = readme.find("\n" + std::string(kIndent), readme.find(heading));
    std::string block;
    while (at != std::string::npos && readme.compare(at + 1, 4, kIndent) == 0) {
        const std::size_t end = readme.find('\n', at + 1);
        block += readme.substr(at + 5, end - at - 5) + "\r\n";
        at = end;
    }
    return block;
}

// The README's recipe, copied as it stands, makes the skin it describes.
TEST_F(SkinTest, TheReadmeRecipeMakesTheSkinItDescribes) {
    const std::string recipe = ReadmeBlock("### Making a skin");
    ASSERT_NE(recipe.find("[BACKGROUND]"), std::string::npos) << recipe;
    folder_.WriteSkin("autumn.ini", recipe);
    folder_.WriteTile("autumn.rgb", TileBytes(49152, 10, 20, 30));
    ui::LoadSkinList(folder_.Root(), "ENG");
    ASSERT_EQ(Names(), std::vector<std::string>{"Autumn"});
    ui::SelectSkin(0);
    EXPECT_EQ(ui::ActiveSkin().Level1, 0.85f);
    EXPECT_EQ(ui::ActiveSkin().Level2, 0.70f);
    EXPECT_EQ(ui::ActiveSkin().Level3, 0.35f);
    EXPECT_EQ(ui::ButtonSchemeFor(), ButtonScheme::csNeoSun);
    EXPECT_EQ(ui::BarSchemeFor(), BarScheme::csSun);
    EXPECT_TRUE(TileIsAll(10, 20, 30));
}

TEST_F(SkinTest, AWrongSizedTileKeepsThePreviousSkinsTile) {
    folder_.WriteTile("good.bin", TileBytes(49152, 1, 2, 3));
    folder_.WriteTile("bad.bin", TileBytes(100, 9, 9, 9));
    folder_.WriteSkin("1.ini", "[BACKGROUND]\r\nIMAGE=good.bin\r\n[BUTTONS]\r\nSTYLE=1\r\n");
    folder_.WriteSkin("2.ini", "[BACKGROUND]\r\nIMAGE=bad.bin\r\n[BUTTONS]\r\nSTYLE=2\r\n");
    ui::LoadSkinList(folder_.Root(), "ENG");
    ASSERT_EQ(ui::Skins().size(), 2u);
    const int good = ui::Skins()[0].ButtonStyle == 1 ? 0 : 1;
    ui::SelectSkin(good);
    ui::SelectSkin(1 - good);
    EXPECT_TRUE(TileIsAll(1, 2, 3));
    EXPECT_EQ(ui::ButtonSchemeFor(), ButtonScheme::csGrass);
    for (const int outside : {-1, 2, 1000}) {
        ui::SelectSkin(outside);
        EXPECT_EQ(ui::ButtonSchemeFor(), ButtonScheme::csGrass) << "index " << outside << " changes nothing";
    }
}

TEST_F(SkinTest, BlendsTheWorkedExamplesAtTheWindowsOuterSize) {
    WorkedFace face;
    // Column 0 white, every other column (0, 64, 128).
    std::vector<std::uint8_t> tile = TileBytes(49152, 0, 64, 128);
    std::fill(tile.begin(), tile.begin() + 128 * 3, 0xFF);
    folder_.WriteTile("t.bin", tile);
    folder_.WriteSkin("s.ini",
                      "[TRANSPARENCY]\r\nLEVEL1=0.85\r\nLEVEL2=0.85\r\nLEVEL3=0.45\r\n"
                      "[BACKGROUND]\r\nIMAGE=t.bin\r\n");
    ui::LoadSkinList(folder_.Root(), "ENG");
    ui::SelectSkin(0);

    tk::Bitmap picture;
    ui::BlendBackground(picture, 300, 100, {RECT{20, 10, 120, 60}}, {});
    ASSERT_EQ(picture.Width(), 300);
    ASSERT_EQ(picture.Height(), 100);
    EXPECT_EQ(picture.Pixel(5, 5), RGB(106, 140, 167)) << "outside every frame: level 3";
    EXPECT_EQ(picture.Pixel(20, 30), RGB(106, 140, 167)) << "the frame's left column is outside";
    EXPECT_EQ(picture.Pixel(50, 10), RGB(106, 140, 167)) << "the frame's top row is outside";
    EXPECT_EQ(picture.Pixel(0, 50), RGB(246, 245, 237)) << "white at level 3";
    EXPECT_EQ(picture.Pixel(128, 50), picture.Pixel(0, 50)) << "the tile repeats every 128 pixels";
    EXPECT_EQ(picture.Pixel(256, 50), picture.Pixel(0, 50));
    // Column 128 is tile column 0 again (white), inside the frame at 0.85.
    const RECT frame{120, 10, 200, 60};
    ui::BlendBackground(picture, 300, 100, {frame}, {});
    EXPECT_EQ(picture.Pixel(128, 30), RGB(238, 236, 221));
}

} // namespace
