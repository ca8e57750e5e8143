#include "dialogs/aboutUnit.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../ui/SkinFolder.h"
#include "DialogDriving.h"
#include "dialogs/AboutLinks.h"
#include "ui/skin.h"

namespace {

constexpr char kSubject[] = "?subject=Question%20about%20program%20%22Kalvex%20Now!%22";

// Records the links instead of opening them; the user name is the test's.
struct FakeSystem {
    std::vector<std::string> opened;
    std::optional<std::string> user = "guest";

    AboutSystem Seam() {
        return AboutSystem{[this](const std::string& url) { opened.push_back(url); },
                           [this] { return user; }};
    }
};

class AboutBoxTest : public dialog_driving::NoErrorBoxTest {
protected:
    void TearDown() override {
        ui::LoadSkinList(folder_.Root() + "none\\", "ENG");
        NoErrorBoxTest::TearDown();
    }
    skin_folder::SkinFolder folder_;
    FakeSystem system_;
};

LPARAM Middle(const tk::Control& c) {
    return MAKELPARAM(static_cast<WORD>(c.Left() + c.Width() / 2),
                      static_cast<WORD>(c.Top() + c.Height() / 2));
}

void ClickOn(const tk::Form& form, const tk::Control& c) {
    SendMessageA(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Middle(c));
    SendMessageA(form.Handle(), WM_LBUTTONUP, 0, Middle(c));
}

TEST_F(AboutBoxTest, ShowsItsDescriptionWithTheStringTablesTexts) {
    TAboutBox box(system_.Seam());
    EXPECT_EQ(box.Caption(), "About");
    EXPECT_EQ(box.ClientWidth(), 297);
    EXPECT_EQ(box.ClientHeight(), 216);
    struct Row {
        const tk::Control* control;
        int left, top;
        std::string text;
    };
    const Row rows[] = {
        {box.ProductName, 72, 24, "Kalvex Now!"},
        {box.Version, 72, 40, "Version 1.51 (01.10.2012)"},
        {box.Copyright, 24, 72, "Author:"},
        {box.Comments, 24, 112, "Thanks to:"},
        {box.Author, 32, 88, "The project team"},
        {box.Comments2, 32, 128, "everyone who reported a problem,"},
        {box.Comments3, 32, 144, "many people for many responses"},
        {box.WEBLink, 152, 72, about::kWebHost},
        {box.EMailLink, 152, 88, about::kEMailAddress},
        {box.OkBtn, 104, 184, "Ok"},
    };
    const RECT panel = box.Bevel1->GetBounds().Rect();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(r.control->Caption(), r.text);
        EXPECT_EQ(r.control->Left(), r.left);
        EXPECT_EQ(r.control->Top(), r.top);
        EXPECT_GT(r.control->Width(), 0);
        EXPECT_LT(r.control->Left() + r.control->Width(), panel.right) << "runs out of the panel";
    }
    // Two texts share a row with the links.
    EXPECT_LT(box.Copyright->Left() + box.Copyright->Width(), box.WEBLink->Left());
    EXPECT_LT(box.Author->Left() + box.Author->Width(), box.EMailLink->Left());
    EXPECT_TRUE(box.ProductName->Font().bold);
    for (const tk::Control* c : {box.Copyright, box.Comments}) EXPECT_TRUE(c->Font().underline) << c->Name();
    for (const tk::Control* link : {box.WEBLink, box.EMailLink}) {
        EXPECT_TRUE(link->Font().underline) << link->Name();
        EXPECT_EQ(link->Font().color, tk::clBlue) << link->Name();
        EXPECT_EQ(link->Cursor(), tk::CursorKind::Hand) << link->Name();
    }
    EXPECT_EQ(box.OkBtn->ModalResult(), tk::mrOk);
    EXPECT_EQ(box.OkBtn->Cursor(), tk::CursorKind::Hand);
    EXPECT_EQ(box.ProgramIcon->Picture().Width(), 32);
}

TEST_F(AboutBoxTest, TheIconFrameIsOnePixelOutsideTheIcon) {
    TAboutBox box(system_.Seam());
    const tk::Bounds icon = box.ProgramIcon->GetBounds();
    const tk::Bounds frame = box.Bevel->GetBounds();
    EXPECT_EQ(frame.left, icon.left - 1);
    EXPECT_EQ(frame.top, icon.top - 1);
    EXPECT_EQ(frame.width, icon.width + 2);
    EXPECT_EQ(frame.height, icon.height + 2);
}

TEST_F(AboutBoxTest, BlendsThreeZonesAndColoursOkFromTheActiveSkin) {
    // Black tile; each level gives its own share of the button face.
    folder_.WriteTile("black.bin", std::vector<std::uint8_t>(49152, 0));
    folder_.WriteSkin("s.ini",
                      "[TRANSPARENCY]\r\nLEVEL1=1\r\nLEVEL2=0.5\r\nLEVEL3=0\r\n"
                      "[BUTTONS]\r\nSTYLE=9\r\n[BACKGROUND]\r\nIMAGE=black.bin\r\n");
    ui::LoadSkinList(folder_.Root(), "ENG");
    ui::SelectSkin(0);
    TAboutBox box(system_.Seam());

    const tk::Bitmap& picture = box.Image1->Picture();
    RECT window{};
    GetWindowRect(box.Handle(), &window);
    EXPECT_EQ(picture.Width(), window.right - window.left) << "the window's outer size";
    EXPECT_EQ(picture.Height(), window.bottom - window.top);

    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const int one = GetRValue(face), two = GetRValue(face) / 2, three = 0;
    struct Point {
        int x, y, red;
        const char* where;
    };
    const Point points[] = {
        {40, 40, one, "inside the icon frame"},    {23, 40, two, "the icon frame's left column"},
        {40, 23, two, "the icon frame's top row"}, {24, 24, one, "the first pixel inside the icon frame"},
        {150, 150, two, "inside the panel"},       {8, 100, three, "the panel's left column"},
        {100, 8, three, "the panel's top row"},    {9, 9, two, "the first pixel inside the panel"},
        {3, 200, three, "below the panel"},        {289, 100, three, "column left + width of the panel"},
    };
    for (const Point& p : points) EXPECT_EQ(GetRValue(picture.Pixel(p.x, p.y)), p.red) << p.where;
    EXPECT_EQ(box.OkBtn->ColorScheme(), ui::xibutton::TColorScheme::csNeoRose);
}

TEST_F(AboutBoxTest, WithoutSkinsOkHasTheSystemColours) {
    ui::LoadSkinList(folder_.Root(), "ENG");
    TAboutBox box(system_.Seam());
    EXPECT_EQ(box.OkBtn->ColorScheme(), ui::xibutton::TColorScheme::csSystem);
}

TEST_F(AboutBoxTest, TheLinksOpenTheirExactUrlsThroughTheShell) {
    struct Case {
        std::optional<std::string> user;
        std::string mail;
    };
    const Case cases[] = {
        {"guest", std::string("mailto:") + about::kEMailAddress + kSubject + "%20/guest/"},
        {"Ann & Bob?", std::string("mailto:") + about::kEMailAddress + kSubject + "%20/Ann%20%26%20Bob%3F/"},
        {std::nullopt, std::string("mailto:") + about::kEMailAddress + kSubject},
    };
    for (const Case& c : cases) {
        FakeSystem system;
        system.user = c.user;
        TAboutBox box(system.Seam());
        ClickOn(box, *box.WEBLink);
        ClickOn(box, *box.EMailLink);
        ASSERT_EQ(system.opened.size(), 2u);
        EXPECT_EQ(system.opened[0], std::string("http://") + about::kWebHost + "/");
        EXPECT_EQ(system.opened[1], c.mail);
    }
}

TEST_F(AboutBoxTest, TheSystemNamesTheLoggedOnUser) {
    const std::optional<std::string> user = WindowsAboutSystem().userName();
    ASSERT_TRUE(user.has_value());
    char expected[257] = {};
    DWORD size = sizeof expected;
    ASSERT_TRUE(GetUserNameA(expected, &size));
    EXPECT_EQ(*user, expected);
}

TEST_F(AboutBoxTest, OnlyTheLinksOpenAnything) {
    TAboutBox box(system_.Seam());
    const std::vector<const tk::Control*> elsewhere{box.Author, box.Comments3, box.ProgramIcon};
    for (const tk::Control* c : elsewhere) ClickOn(box, *c);
    EXPECT_TRUE(system_.opened.empty());
}

TEST_F(AboutBoxTest, OkEscAndTheCloseBoxEndIt) {
    struct Case {
        const char* way;
        std::function<void(const TAboutBox&)> post;
        int result;
    };
    const Case cases[] = {
        {"Ok", [](const TAboutBox& d) { dialog_driving::PostClick(*d.OkBtn); }, tk::mrOk},
        {"Esc", [](const TAboutBox& d) { dialog_driving::PostEscape(d); }, tk::mrCancel},
        {"close box", [](const TAboutBox& d) { dialog_driving::PostCloseBox(d); }, tk::mrCancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.way);
        TAboutBox box(system_.Seam());
        c.post(box);
        EXPECT_EQ(box.ShowModal(), c.result);
    }
    EXPECT_TRUE(system_.opened.empty());
}

} // namespace
