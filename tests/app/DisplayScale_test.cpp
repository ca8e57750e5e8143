// Every window scales from its description to the DPI a WM_DPICHANGED
// brings, and its texts fit their frames in every regional format.
#include <windows.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "MainFormTestSupport.h"
#include "core/DateTimeText.h"
#include "dialogs/aboutUnit.h"
#include "dialogs/confirm.h"
#include "toolkit/Dpi.h"
#include "toolkit/Font.h"
#include "toolkit/GraphicControls.h"
#include "ui/BtChkBox.h"

namespace {

constexpr int kScales[] = {120, 144, 192};
// Wine's fonts and regional data are not Windows': text keeps this far from a frame.
constexpr int kTextMargin = 3;

struct Placed {
    tk::Bounds bounds;
    int fontHeight;
};

std::vector<Placed> Placement(const tk::Form& form) {
    std::vector<Placed> placed;
    for (const auto& c : form.Controls()) placed.push_back({c->GetBounds(), c->Font().height});
    return placed;
}

bool Near(int actual, int at96, int dpi) { return std::abs(actual - tk::ScaleToDpi(at96, dpi)) <= 1; }

// What the system would send for a move to a monitor of that DPI.
void MoveToDpi(tk::Form& form, int dpi) {
    RECT r{};
    GetWindowRect(form.Handle(), &r);
    const int oldDpi = form.Dpi();
    RECT suggested{r.left, r.top, r.left + MulDiv(r.right - r.left, dpi, oldDpi),
                   r.top + MulDiv(r.bottom - r.top, dpi, oldDpi)};
    SendMessageA(form.Handle(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
}

// A windowed control's window where its bounds say, in the font they say.
void ExpectWindowMatches(const tk::Control& c) {
    const auto* w = dynamic_cast<const tk::WinControl*>(&c);
    if (!w || !w->Handle()) return;
    RECT r{};
    GetWindowRect(w->Handle(), &r);
    MapWindowPoints(nullptr, GetParent(w->Handle()), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, c.Left()) << c.Name();
    EXPECT_EQ(r.top, c.Top()) << c.Name();
    EXPECT_EQ(r.right - r.left, c.Width()) << c.Name();
    // Controls that paint themselves hold no font of the window's.
    if (const auto font = reinterpret_cast<HFONT>(SendMessageA(w->Handle(), WM_GETFONT, 0, 0))) {
        LOGFONTA face{};
        GetObjectA(font, sizeof face, &face);
        EXPECT_EQ(face.lfHeight, c.Font().height) << c.Name();
    }
}

void ExpectScalesAndComesBack(tk::Form& form) {
    const std::vector<Placed> at96 = Placement(form);
    const int width96 = form.ClientWidth(), height96 = form.ClientHeight();
    for (const int dpi : kScales) {
        SCOPED_TRACE("DPI " + std::to_string(dpi));
        MoveToDpi(form, dpi);
        ASSERT_EQ(form.Dpi(), dpi);
        // The virtual screen is 1024 x 768: a window is not made larger.
        if (tk::ScaleToDpi(width96, dpi) < GetSystemMetrics(SM_CXSCREEN)) {
            EXPECT_TRUE(Near(form.ClientWidth(), width96, dpi)) << form.ClientWidth();
        }
        if (tk::ScaleToDpi(height96, dpi) < GetSystemMetrics(SM_CYSCREEN)) {
            EXPECT_TRUE(Near(form.ClientHeight(), height96, dpi)) << form.ClientHeight();
        }
        for (std::size_t i = 0; i < at96.size(); ++i) {
            const tk::Control& c = *form.Controls()[i];
            const tk::Bounds& was = at96[i].bounds;
            EXPECT_TRUE(Near(c.Left(), was.left, dpi) && Near(c.Top(), was.top, dpi)) << c.Name();
            // A label that sizes itself follows its text, which does not scale exactly.
            const auto* label = dynamic_cast<const tk::Label*>(&c);
            if (!label || !label->AutoSize()) {
                EXPECT_TRUE(Near(c.Left() + c.Width(), was.left + was.width, dpi) &&
                            Near(c.Top() + c.Height(), was.top + was.height, dpi))
                    << c.Name() << " " << c.Width() << "x" << c.Height();
            }
            EXPECT_EQ(c.Font().height, tk::ScaleToDpi(at96[i].fontHeight, dpi)) << c.Name();
            ExpectWindowMatches(c);
            // Check-box pictures come in a copy drawn for the scale, never stretched.
            if (const auto* box = dynamic_cast<const ui::TBitCheckBox*>(&c)) {
                tk::Bitmap at100;
                ASSERT_TRUE(at100.LoadFromResource("UNCHECKED"));
                EXPECT_GT(box->UncheckedGlyph().Height(), at100.Height()) << c.Name();
                EXPECT_LE(box->UncheckedGlyph().Height(), tk::ScaleToDpi(at100.Height(), dpi)) << c.Name();
            }
        }
        MoveToDpi(form, tk::kDesignDpi);
        const std::vector<Placed> back = Placement(form);
        for (std::size_t i = 0; i < at96.size(); ++i) {
            const tk::Bounds& a = at96[i].bounds;
            const tk::Bounds& b = back[i].bounds;
            EXPECT_TRUE(a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height)
                << form.Controls()[i]->Name() << " did not come back to its place at 96 DPI";
        }
    }
}

class DisplayScale : public MainFormFixture {};

TEST_F(DisplayScale, EveryWindowScalesWithTheDpiItIsSentAndComesBackExactly) {
    Create();
    // The message dialog fits itself to its text at every scale: not a fixed layout.
    const std::vector<std::pair<const char*, std::function<std::unique_ptr<tk::Form>()>>> windows = {
        {"about", [] { return std::make_unique<TAboutBox>(); }},
        {"confirm", [] { return std::make_unique<TConfirmForm>(0, 125); }},
    };
    {
        SCOPED_TRACE("main");
        ExpectScalesAndComesBack(*form);
    }
    for (const auto& [name, make] : windows) {
        SCOPED_TRACE(name);
        const auto window = make();
        ExpectScalesAndComesBack(*window);
    }
}

TEST_F(DisplayScale, WithoutTheNewerDpiFunctionsTheWindowStartsAtTheSystemDpi) {
    tk::HideNewerDpiFunctions(true);
    Create();
    tk::HideNewerDpiFunctions(false);
    const tk::WindowDC screen(nullptr);
    EXPECT_EQ(form->Dpi(), GetDeviceCaps(screen.Get(), LOGPIXELSX));
    const std::vector<Placed> hidden = Placement(*form);
    form.reset();
    Create();
    const std::vector<Placed> normal = Placement(*form);
    ASSERT_EQ(hidden.size(), normal.size());
    for (std::size_t i = 0; i < hidden.size(); ++i)
        EXPECT_TRUE(
            hidden[i].bounds.left == normal[i].bounds.left && hidden[i].bounds.top == normal[i].bounds.top &&
            hidden[i].bounds.width == normal[i].bounds.width && hidden[i].fontHeight == normal[i].fontHeight)
            << form->Controls()[i]->Name();
}

// The widest date and time each format makes: two-digit fields, the longer designator.
std::string LongestDateTime(const core::TFormatSettings& fs) {
    const core::TDateTime am = core::EncodeDateTime(2026, 12, 28, 10, 58, 58, 0);
    const core::TDateTime pm = core::EncodeDateTime(2026, 12, 28, 22, 58, 58, 0);
    const std::string date = core::DateText(am, fs) + " ";
    const std::string a = date + core::TimeText(am, fs), p = date + core::TimeText(pm, fs);
    return a.size() > p.size() ? a : p;
}

TEST_F(DisplayScale, TimeValuesFitTheTimerFrameInEveryFormatAndScale) {
    const core::TFormatSettings formats[] = {
        {.ShortDateFormat = "MM/dd/yyyy", .LeadingZeroHours = true},
        {.ShortDateFormat = "dd.MM.yyyy",
         .DateSeparator = '.',
         .LeadingZeroHours = true,
         .TwelveHourClock = false},
        {.ShortDateFormat = "yyyy-MM-dd", .DateSeparator = '-', .TwelveHourClock = false},
        {.ShortDateFormat = "dd/MM/yyyy",
         .LeadingZeroHours = true,
         .AmDesignator = "a. m.",
         .PmDesignator = "p. m."},
        {.ShortDateFormat = "dd.MM.yyyy",
         .DateSeparator = '.',
         .LeadingZeroHours = true,
         .AmDesignator = "vorm.",
         .PmDesignator = "nachm.",
         .AmPmBeforeTime = true},
        {.ShortDateFormat = "yyyy. MM. dd.",
         .DateSeparator = '.',
         .AmDesignator = "de.",
         .PmDesignator = "du."},
    };
    Create();
    for (const int dpi : {96, 120, 144, 168, 192}) {
        MoveToDpi(*form, dpi);
        const int frameInside = form->Bevel1->Left() + form->Bevel1->Width() - form->Scaled(2);
        for (const core::TFormatSettings& fs : formats) {
            const std::string text = LongestDateTime(fs);
            for (tk::Label* value : {form->CurrTimeLabel, form->PowerOffTimeLabel}) {
                value->SetCaption(text);
                const tk::MemoryDC dc;
                SelectObject(dc.Get(), tk::FontHandleFor(value->DrawnFont()));
                SIZE extent{};
                GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
                EXPECT_LE(value->Left() + extent.cx + kTextMargin, frameInside)
                    << value->Name() << " \"" << text << "\" at " << dpi << " DPI";
            }
        }
    }
}

} // namespace
