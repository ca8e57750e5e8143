// The main window's skins: the list, the stored choice, the blend with the
// window's frames, choosing another skin, a skin whose tile is missing, and
// the About box on F1.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../ui/SkinFolder.h"
#include "MainFormTestSupport.h"
#include "ui/BtChkBox.h"
#include "ui/XiButton.h"
#include "ui/XiProgressBar.h"
#include "ui/skin.h"

namespace {

using ButtonScheme = ui::xibutton::TColorScheme;
using BarScheme = ui::xibar::TColorScheme;

constexpr char kOpenError[] = "Cannot open file \"";

// Black tiles and levels 1, 0.5 and 0 tell the three zones apart by the
// share of button face in them.
std::string SkinText(const std::string& name, const std::string& image, int buttons, int bars) {
    return "[NAME]\r\nSKIN_ENG=" + name + "\r\n[TRANSPARENCY]\r\nLEVEL1=1\r\nLEVEL2=0.5\r\nLEVEL3=0\r\n" +
           "[BUTTONS]\r\nSTYLE=" + std::to_string(buttons) + "\r\n[BARS]\r\nSTYLE=" + std::to_string(bars) +
           "\r\n[BACKGROUND]\r\nIMAGE=" + image + "\r\n";
}

class MainFormSkinTest : public MainFormFixture {
protected:
    void TearDown() override {
        MainFormFixture::TearDown();
        ui::LoadSkinList(folder.Root() + "none\\", "ENG");
    }

    // Three skins; the list keeps the order the system lists the files in.
    void ThreeSkins() {
        folder.WriteTile("black.rgb", std::vector<std::uint8_t>(49152, 0));
        folder.WriteSkin("a.ini", SkinText("Alpha", "black.rgb", 7, 8));
        folder.WriteSkin("b.ini", SkinText("Beta", "black.rgb", 3, 12));
        folder.WriteSkin("c.ini", SkinText("Gamma", "missing.rgb", 11, 6));
        ui::LoadSkinList(folder.Root(), "ENG");
    }

    int IndexOf(const std::string& name) const {
        for (std::size_t i = 0; i < ui::Skins().size(); ++i)
            if (ui::Skins()[i].Name == name) return static_cast<int>(i);
        return -1;
    }

    // What the user's choice in the list does.
    void Choose(int index) {
        form->SkinComboBox->SetItemIndex(index);
        const HWND list = form->SkinComboBox->Handle();
        SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }

    int RedAt(int x, int y) const { return GetRValue(form->Image1->Picture().Pixel(x, y)); }

    void ExpectSchemes(ButtonScheme buttons, BarScheme bars) const {
        for (const ui::TXiButton* b : {form->NetTimeSpeedButton, form->AboutSpeedButton,
                                       form->PowerSpeedButton, form->CloseSpeedButton})
            EXPECT_EQ(b->ColorScheme(), buttons) << b->Name();
        for (const ui::TXiProgressBar* p : {form->ProgressBarCPUCurrent, form->ProgressBarCPUByTime})
            EXPECT_EQ(p->ColorScheme(), bars) << p->Name();
    }

    skin_folder::SkinFolder folder;
};

TEST_F(MainFormSkinTest, WithoutSkinsTheListIsEmptyAndTheWindowWhite) {
    ui::LoadSkinList(folder.Root(), "ENG");
    Create();
    EXPECT_EQ(form->SkinComboBox->ItemCount(), 1);
    EXPECT_EQ(form->SkinComboBox->Item(0), "Empty");
    EXPECT_FALSE(form->SkinComboBox->Enabled());
    ExpectSchemes(ButtonScheme::csSystem, BarScheme::csSystem);
    // White at level 0.45 beside any face: never darker than 0.55 * 255.
    EXPECT_GE(RedAt(3, 3), 140);
    EXPECT_TRUE(errors.empty()) << errors.front();
}

TEST_F(MainFormSkinTest, TheStoredChoiceIsUsedWhenItIsInTheList) {
    ThreeSkins();
    WriteSetting("SkinComboBox", std::to_string(IndexOf("Beta")).c_str());
    Create();
    EXPECT_EQ(form->SkinComboBox->ItemCount(), 3);
    EXPECT_TRUE(form->SkinComboBox->Enabled());
    EXPECT_EQ(form->SkinComboBox->Item(form->SkinComboBox->ItemIndex()), "Beta");
    ExpectSchemes(ButtonScheme::csSilver, BarScheme::csToxic);
    EXPECT_TRUE(errors.empty()) << errors.front();
}

TEST_F(MainFormSkinTest, AStoredChoiceBeyondTheListTakesTheFirstSkin) {
    ThreeSkins();
    WriteSetting("SkinComboBox", "5");
    Create();
    EXPECT_EQ(form->SkinComboBox->ItemIndex(), 0);
    EXPECT_EQ(ui::ActiveSkin().ButtonStyle, ui::Skins()[0].ButtonStyle);
}

TEST_F(MainFormSkinTest, BlendsItsFramesAtTheOuterSize) {
    ThreeSkins();
    WriteSetting("SkinComboBox", std::to_string(IndexOf("Alpha")).c_str());
    Create();
    RECT window{};
    GetWindowRect(form->Handle(), &window);
    EXPECT_EQ(form->Image1->Picture().Width(), window.right - window.left);
    EXPECT_EQ(form->Image1->Picture().Height(), window.bottom - window.top);
    const int face = GetRValue(GetSysColor(COLOR_BTNFACE));
    struct Point {
        int x, y, red;
        const char* where;
    };
    const Point points[] = {
        {100, 60, face, "date frame (Bevel5)"},
        {100, 130, face, "countdown frame (Bevel6)"},
        {16, 60, face / 2, "the date frame's own left column"},
        {100, 190, face / 2, "timer group (Bevel1), below the frames"},
        {400, 40, face / 2, "media player group (Bevel3)"},
        {400, 150, face / 2, "processor group (Bevel7)"},
        {300, 240, face / 2, "action frame (Bevel9)"},
        {450, 240, face / 2, "skin frame (Bevel10)"},
        {260, 100, 0, "between the groups"},
        {8, 100, 0, "the timer group's own left column"},
    };
    for (const Point& p : points) EXPECT_EQ(RedAt(p.x, p.y), p.red) << p.where;
    ExpectSchemes(ButtonScheme::csNeoGrass, BarScheme::csNight);
}

TEST_F(MainFormSkinTest, ChoosingASkinReblendsAndRepaintsAtOnce) {
    ThreeSkins();
    WriteSetting("SkinComboBox", std::to_string(IndexOf("Alpha")).c_str());
    Create();
    form->Show();
    // A different face shows whether the window was blended again.
    const COLORREF saved = GetSysColor(COLOR_BTNFACE);
    const INT element = COLOR_BTNFACE;
    const COLORREF other = RGB(200, 100, 50);
    SetSysColors(1, &element, &other);
    Choose(IndexOf("Beta"));
    const int red = RedAt(100, 60);
    RECT pending{};
    const bool waiting = GetUpdateRect(form->Handle(), &pending, FALSE);
    SetSysColors(1, &element, &saved);

    EXPECT_EQ(red, 200) << "blended with the face of the moment";
    EXPECT_FALSE(waiting) << "the window waits for a repaint";
    ExpectSchemes(ButtonScheme::csSilver, BarScheme::csToxic);
    EXPECT_TRUE(errors.empty()) << errors.front();
}

TEST_F(MainFormSkinTest, AMissingTileWhenChoosingIsReportedAndTheWindowKeepsItsPicture) {
    ThreeSkins();
    WriteSetting("SkinComboBox", std::to_string(IndexOf("Alpha")).c_str());
    Create();
    Choose(IndexOf("Gamma"));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind(kOpenError + folder.TilePath("missing.rgb") + "\". ", 0), 0u) << errors[0];
    ExpectSchemes(ButtonScheme::csNeoGrass, BarScheme::csNight);
}

TEST_F(MainFormSkinTest, AMissingTileAtStartIsReportedAndStartUpGoesOn) {
    ThreeSkins();
    WriteSetting("SkinComboBox", std::to_string(IndexOf("Gamma")).c_str());
    WriteSetting("ActionComboBox", "1");
    Create();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind(kOpenError + folder.TilePath("missing.rgb") + "\". ", 0), 0u) << errors[0];
    // The steps after the skin ran: its colours, the captions, the tray icon.
    ExpectSchemes(ButtonScheme::csNeoSun, BarScheme::csSun);
    EXPECT_GT(form->Image1->Picture().Width(), 0) << "the window was blended all the same";
    EXPECT_EQ(form->CheckBoxTimer->Caption(), "Reboot by timer");
    EXPECT_EQ(form->TrayIconData.hWnd, form->Handle());
}

TEST_F(MainFormSkinTest, TheChoiceIsSavedAsTheListPosition) {
    ThreeSkins();
    Create();
    Choose(2);
    errors.clear();
    form->SaveSettings();
    char value[16] = {};
    GetPrivateProfileStringA("OPTIONS", "SkinComboBox", "", value, sizeof value, settingsFile.c_str());
    EXPECT_STREQ(value, "2");
}

bool g_highContrast = false;
bool HighContrastForTest() { return g_highContrast; }

TEST_F(MainFormSkinTest, HighContrastTakesTheSystemLookAndGivesTheSkinBack) {
    ThreeSkins();
    WriteSetting("SkinComboBox", std::to_string(IndexOf("Alpha")).c_str());
    ui::SetHighContrastReader(&HighContrastForTest);
    Create();
    const int face = GetRValue(GetSysColor(COLOR_BTNFACE));
    struct Step {
        bool on;
        int outside, inGroup; // red of a pixel between the groups and inside one
        ButtonScheme buttons;
        BarScheme bars;
    };
    const Step steps[] = {
        {true, face, face, ButtonScheme::csSystem, BarScheme::csSystem},
        {false, 0, face / 2, ButtonScheme::csNeoGrass, BarScheme::csNight},
    };
    for (const Step& step : steps) {
        g_highContrast = step.on;
        ui::FollowHighContrast(); // an open dialog heard of the change first
        SendMessageA(form->Handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
        SCOPED_TRACE(step.on ? "on" : "off");
        EXPECT_EQ(ui::HighContrastInForce(), step.on);
        EXPECT_EQ(RedAt(260, 100), step.outside);
        EXPECT_EQ(RedAt(400, 150), step.inGroup);
        ExpectSchemes(step.buttons, step.bars);
    }
    ui::SetHighContrastReader(nullptr);
    ui::FollowHighContrast();
}

// Closes the About box once it is up, from inside its modal loop.
HWND g_aboutOwner = nullptr;
void CALLBACK CloseAboutBox(HWND, UINT, UINT_PTR id, DWORD) {
    const HWND box = FindWindowA(nullptr, "About");
    if (!box) return;
    g_aboutOwner = GetWindow(box, GW_OWNER);
    KillTimer(nullptr, id);
    PostMessageA(box, WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST_F(MainFormSkinTest, TheAboutCommandShowsTheBoxOverTheMainWindow) {
    Create();
    form->Show();
    form->AboutSpeedButton->Click();
    EXPECT_EQ(TakePosted(WM_SHOW_ABOUT), 1) << "the \"?\" button, like F1, posts the command";
    g_aboutOwner = nullptr;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseAboutBox);
    SendMessageA(form->Handle(), WM_SHOW_ABOUT, 0, 0);
    KillTimer(nullptr, timer);
    EXPECT_EQ(g_aboutOwner, form->Handle());
    EXPECT_EQ(FindWindowA(nullptr, "About"), nullptr) << "the box is gone";
}

} // namespace
