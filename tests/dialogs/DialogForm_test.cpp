#include "dialogs/DialogForm.h"

#include <windows.h>

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

using Scheme = ui::xibutton::TColorScheme;

bool g_highContrast = false;
bool HighContrastForTest() { return g_highContrast; }

class DialogLookTest : public dialog_driving::NoErrorBoxTest {
protected:
    void SetUp() override {
        NoErrorBoxTest::SetUp();
        // Black tile, rose buttons: far from the system look.
        folder_.WriteTile("black.bin", std::vector<std::uint8_t>(49152, 0));
        folder_.WriteSkin("s.ini",
                          "[TRANSPARENCY]\r\nLEVEL1=0\r\nLEVEL2=0\r\nLEVEL3=0\r\n"
                          "[BUTTONS]\r\nSTYLE=9\r\n[BACKGROUND]\r\nIMAGE=black.bin\r\n");
        g_highContrast = false;
        ui::SetHighContrastReader(&HighContrastForTest);
        ui::LoadSkinList(folder_.Root(), "ENG");
        ui::SelectSkin(0);
    }
    void TearDown() override {
        ui::SetHighContrastReader(nullptr);
        ui::LoadSkinList(folder_.Root() + "none\\", "ENG");
        NoErrorBoxTest::TearDown();
    }
    skin_folder::SkinFolder folder_;
};

// High contrast turned on and off while the dialog is open: it takes the
// system look and gives the skin back, also when another window heard of the
// change first (the broadcast reaches top-level windows in no set order).
template <typename Dialog>
void ExpectFollowsHighContrast(Dialog& dialog) {
    const int face = GetRValue(GetSysColor(COLOR_BTNFACE));
    struct Step {
        bool on, otherWindowFirst;
        Scheme buttons;
        int backgroundRed;
    };
    const Step steps[] = {
        {true, false, Scheme::csSystem, face},
        {false, false, Scheme::csNeoRose, 0},
        {true, true, Scheme::csSystem, face},
    };
    for (const Step& step : steps) {
        g_highContrast = step.on;
        if (step.otherWindowFirst) ui::FollowHighContrast();
        SendMessageA(dialog.Handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
        EXPECT_EQ(dialog.OkBtn->ColorScheme(), step.buttons) << "high contrast " << step.on;
        EXPECT_EQ(GetRValue(dialog.Image1->Picture().Pixel(3, 3)), step.backgroundRed)
            << "high contrast " << step.on;
    }
}

TEST_F(DialogLookTest, EveryDialogFollowsHighContrastWhileOpen) {
    {
        SCOPED_TRACE("About box");
        TAboutBox box(AboutSystem{[](const std::string&) {}, [] { return std::optional<std::string>(); }});
        ExpectFollowsHighContrast(box);
    }
    {
        SCOPED_TRACE("message");
        TMyMessageDlg message;
        ExpectFollowsHighContrast(message);
    }
    {
        SCOPED_TRACE("confirmation");
        TConfirmForm confirm(0);
        ExpectFollowsHighContrast(confirm);
    }
}

} // namespace
