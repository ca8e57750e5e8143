#include "dialogs/DialogForm.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "../ui/SkinFolder.h"
#include "DialogDriving.h"
#include "dialogs/aboutUnit.h"
#include "dialogs/confirm.h"
#include "dialogs/messageUnit.h"
#include "ui/skin.h"

namespace {

bool g_highContrast = false;
bool HighContrastForTest() { return g_highContrast; }

// High contrast turned on and off while a dialog is open: it takes the system
// look and gives the skin (black tile, rose buttons) back, also when another
// window heard of the change first (the broadcast has no set order).
template <typename Dialog>
void ExpectFollowsHighContrast(Dialog& dialog) {
    using ui::xibutton::TColorScheme;
    const int face = GetRValue(GetSysColor(COLOR_BTNFACE));
    const struct {
        bool on, otherWindowFirst;
        TColorScheme buttons;
        int backgroundRed;
    } steps[] = {{true, false, TColorScheme::csSystem, face},
                 {false, false, TColorScheme::csNeoRose, 0},
                 {true, true, TColorScheme::csSystem, face}};
    for (const auto& step : steps) {
        g_highContrast = step.on;
        if (step.otherWindowFirst) ui::FollowHighContrast();
        SendMessageA(dialog.Handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
        EXPECT_EQ(dialog.OkBtn->ColorScheme(), step.buttons) << "high contrast " << step.on;
        EXPECT_EQ(GetRValue(dialog.Image1->Picture().Pixel(3, 3)), step.backgroundRed)
            << "high contrast " << step.on;
    }
}

using DialogLook = dialog_driving::NoErrorBoxTest;

TEST_F(DialogLook, EveryDialogFollowsHighContrastWhileOpen) {
    skin_folder::SkinFolder folder;
    folder.WriteTile("black.bin", std::vector<std::uint8_t>(49152, 0));
    folder.WriteSkin("s.ini",
                     "[TRANSPARENCY]\r\nLEVEL1=0\r\nLEVEL2=0\r\nLEVEL3=0\r\n"
                     "[BUTTONS]\r\nSTYLE=9\r\n[BACKGROUND]\r\nIMAGE=black.bin\r\n");
    ui::SetHighContrastReader(&HighContrastForTest);
    ui::LoadSkinList(folder.Root(), "ENG");
    ui::SelectSkin(0);
    TAboutBox about(AboutSystem{[](const std::string&) {}, [] { return std::optional<std::string>(); }});
    TMyMessageDlg message;
    TConfirmForm confirm(0);
    ExpectFollowsHighContrast(about);
    ExpectFollowsHighContrast(message);
    ExpectFollowsHighContrast(confirm);
    ui::SetHighContrastReader(nullptr);
    ui::LoadSkinList(folder.Root() + "none\\", "ENG");
}

} // namespace
