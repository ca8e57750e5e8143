// Renders every custom control in every state into one picture, so that a
// person can look at them: gallery.exe <output.bmp>
#include <windows.h>

#include <cstdio>
#include <iterator>
#include <string>

#include "../BitmapFile.h"
#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Form.h"
#include "ui/BtChkBox.h"
#include "ui/CheckBoxPictures.h"
#include "ui/XiButton.h"
#include "ui/XiProgressBar.h"

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 660;
constexpr int kMargin = 8;
constexpr int kRow = 30;
constexpr int kLabelWidth = 110;

const char* const kButtonSchemes[] = {"NeoDesert", "NeoSky", "NeoGrass", "NeoSilver", "NeoRose",
                                      "NeoSun",    "Desert", "Grass",    "Sky",       "Sun",
                                      "Rose",      "Silver", "Custom",   "System"};
const char* const kBarSchemes[] = {"Custom",  "Desert", "Grass",  "Silver", "Sky",    "Rose",  "Sun",
                                   "Hackers", "Night",  "Velvet", "Metal",  "Violet", "Toxic", "System"};

class Sheet {
public:
    Sheet() : picture_(kWidth, kHeight), canvas_(picture_.GetCanvas()) {
        canvas_.SetBrushColor(tk::clBtnFace);
        canvas_.FillRect(RECT{0, 0, kWidth, kHeight});
    }

    void Text(int x, int y, const std::string& s, bool bold = false) {
        tk::FontSpec f;
        f.bold = bold;
        f.color = tk::clBlack;
        canvas_.SetFont(f);
        canvas_.SetBrushStyle(tk::BrushStyle::Clear);
        canvas_.TextOut(x, y, s);
    }

    // Paints a control with its top-left corner at (x, y).
    template <typename Control>
    void Place(Control& c, int x, int y) {
        HDC dc = canvas_.Handle();
        const int saved = SaveDC(dc);
        SetViewportOrgEx(dc, x, y, nullptr);
        IntersectClipRect(dc, 0, 0, c.Width(), c.Height());
        {
            tk::Canvas controlCanvas(dc);
            c.Paint(controlCanvas);
        }
        RestoreDC(dc, saved);
    }

    bool Save(const char* path) { return tools::SaveBitmapFile(picture_, path); }

private:
    tk::Bitmap picture_;
    tk::Canvas& canvas_;
};

void Buttons(tk::Form& form, Sheet& sheet, int top) {
    sheet.Text(kMargin, top, "Gradient buttons: normal, over, down, focused, disabled", true);
    const char* states[] = {"Normal", "Over", "Down", "Focused", "Disabled"};
    for (int s = 0; s < 5; ++s) sheet.Text(kMargin + kLabelWidth + s * 95, top + 16, states[s]);
    for (int scheme = 0; scheme < 14; ++scheme) {
        const int y = top + 32 + scheme * kRow;
        sheet.Text(kMargin, y + 6, kButtonSchemes[scheme]);
        for (int s = 0; s < 5; ++s) {
            auto& b = form.Add<ui::TXiButton>("b", tk::Bounds{0, 0, 89, 25});
            b.SetColorScheme(static_cast<ui::TXiButton::TColorScheme>(scheme));
            b.SetCaption("Execute");
            const LPARAM inside = MAKELPARAM(10, 10);
            if (s == 1) SendMessageA(b.Handle(), WM_MOUSEMOVE, 0, inside);
            if (s == 2) SendMessageA(b.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, inside);
            if (s == 3) SendMessageA(b.Handle(), WM_SETFOCUS, 0, 0);
            if (s == 4) b.SetEnabled(false);
            sheet.Place(b, kMargin + kLabelWidth + s * 95, y);
            if (s == 2) SendMessageA(b.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(-5, -5));
        }
    }
}

void Bars(tk::Form& form, Sheet& sheet, int left, int top) {
    sheet.Text(left, top, "Gradient bars at 0, 30, 50 and 100 %; vertical at 65 %", true);
    const int positions[] = {0, 30, 50, 100};
    for (int scheme = 1; scheme < 14; ++scheme) {
        const int y = top + 20 + (scheme - 1) * 22;
        sheet.Text(left, y, kBarSchemes[scheme]);
        for (int p = 0; p < 4; ++p) {
            auto& bar = form.Add<ui::TXiProgressBar>("p", tk::Bounds{0, 0, 60, 9});
            bar.SetColorScheme(static_cast<ui::TXiProgressBar::TColorScheme>(scheme));
            bar.SetPosition(positions[p]);
            sheet.Place(bar, left + 70 + p * 66, y + 3);
        }
        auto& vertical = form.Add<ui::TXiProgressBar>("v", tk::Bounds{0, 0, 9, 18});
        vertical.SetOrientation(ui::TXiProgressBar::TProgressBarOrientation::pbVertical);
        vertical.SetColorScheme(static_cast<ui::TXiProgressBar::TColorScheme>(scheme));
        vertical.SetPosition(65);
        sheet.Place(vertical, left + 70 + 4 * 66, y);
    }
}

// A small picture for the glyph positions: a green disc on a corner colour
// the button leaves transparent.
tk::Bitmap DiscGlyph() {
    constexpr int kSize = 16;
    tk::Bitmap glyph(kSize, kSize);
    tk::Canvas& canvas = glyph.GetCanvas();
    canvas.SetBrushColor(tk::clWhite);
    canvas.FillRect(RECT{0, 0, kSize, kSize});
    canvas.SetBrushColor(tk::clGreen);
    canvas.SetPenColor(tk::clBlack);
    canvas.RoundRect(2, 2, kSize - 2, kSize - 2, kSize, kSize);
    return glyph;
}

void GlyphPositions(tk::Form& form, Sheet& sheet, int left, int top) {
    sheet.Text(left, top, "Glyph left, right, top, bottom; spacing 0 and 10", true);
    using Layout = ui::TXiButton::TButtonLayout;
    struct Sample {
        Layout layout;
        int spacing;
    };
    const Sample samples[] = {{Layout::blGlyphLeft, ui::TXiButton::kDefaultSpacing},
                              {Layout::blGlyphRight, ui::TXiButton::kDefaultSpacing},
                              {Layout::blGlyphTop, ui::TXiButton::kDefaultSpacing},
                              {Layout::blGlyphBottom, ui::TXiButton::kDefaultSpacing},
                              {Layout::blGlyphLeft, 0},
                              {Layout::blGlyphLeft, 10}};
    const tk::Bitmap glyph = DiscGlyph();
    constexpr int kColumnsPerRow = 4, kCellWidth = 95, kCellHeight = 50;
    for (std::size_t i = 0; i < std::size(samples); ++i) {
        auto& b = form.Add<ui::TXiButton>("g", tk::Bounds{0, 0, 89, 44});
        b.SetCaption("Execute");
        b.SetGlyph(glyph);
        b.SetLayout(samples[i].layout);
        b.SetSpacing(samples[i].spacing);
        sheet.Place(b, left + int(i % kColumnsPerRow) * kCellWidth,
                    top + 20 + int(i / kColumnsPerRow) * kCellHeight);
    }
}

void CheckBoxes(tk::Form& form, Sheet& sheet, int top) {
    sheet.Text(kMargin, top, "Bitmap check boxes: unchecked, checked, grayed; enabled and disabled", true);
    const char* kinds[] = {"Built-in", "Square", "Round"};
    for (int kind = 0; kind < 3; ++kind) {
        for (int disabled = 0; disabled < 2; ++disabled) {
            const int y = top + 20 + (kind * 2 + disabled) * 22;
            sheet.Text(kMargin, y + 2, std::string(kinds[kind]) + (disabled ? ", disabled" : ""));
            for (int state = 0; state < 3; ++state) {
                auto& box = form.Add<ui::TBitCheckBox>("c", tk::Bounds{0, 0, 150, 17});
                if (kind == 1) ui::UseBoxPictures(box);
                if (kind == 2) ui::UseRadioPictures(box);
                box.SetCaption(state == 0 ? "Unchecked" : state == 1 ? "Checked" : "Grayed");
                box.SetState(static_cast<ui::TCheckBoxState>(state));
                box.SetEnabled(disabled == 0);
                sheet.Place(box, kMargin + kLabelWidth + 40 + state * 160, y);
            }
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: gallery <output.bmp>\n");
        return 2;
    }
    tk::Application::Instance().Initialize();
    tk::FormArgs args;
    args.name = "Gallery";
    args.clientWidth = kWidth;
    args.clientHeight = kHeight;
    tk::Form form(args);
    Sheet sheet;
    Buttons(form, sheet, kMargin);
    Bars(form, sheet, 600, kMargin);
    GlyphPositions(form, sheet, 600, 340);
    CheckBoxes(form, sheet, 500);
    if (!sheet.Save(argv[1])) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
