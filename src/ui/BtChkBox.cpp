#include "ui/BtChkBox.h"

#include <ole2.h>
#include <oleacc.h>
#include <windowsx.h>

#include <utility>

#include "toolkit/Accessible.h"
#include "toolkit/Texts.h"
#include "ui/lang.h"

namespace ui {

namespace {

constexpr char kBuiltInChecked[] = "CHECKED";
constexpr char kBuiltInGrayed[] = "GRAYED";
constexpr char kBuiltInUnchecked[] = "UNCHECKED";

constexpr UINT kCaptionFormat = DT_SINGLELINE | DT_VCENTER;
constexpr int kEmbossOffset = 1;          // the light copy of a disabled caption
constexpr LPARAM kKeyRepeatBit = 1 << 30; // previous key state in WM_CHAR

// One image of a picture, its transparent pixels turned into the background.
tk::Bitmap OpaqueImage(const tk::Bitmap& picture, const ui::GlyphPlacement& place, tk::TColor background) {
    tk::Bitmap image(place.width, place.height);
    if (image.Empty()) return image;
    BitBlt(image.DC(), 0, 0, place.width, place.height, picture.DC(), place.sourceX, 0, SRCCOPY);
    const tk::TColor transparent = tk::ColorToRGB(picture.TransparentColor());
    const tk::TColor fill = tk::ColorToRGB(background);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.Pixel(x, y) == transparent) image.SetPixel(x, y, fill);
    return image;
}

} // namespace

TBitCheckBox::TBitCheckBox(tk::WinControl* parent, std::string name, tk::Bounds bounds)
    : tk::CustomControl(parent, std::move(name), bounds, /*doubleClicks=*/false) {
    checked_.resource = kBuiltInChecked;
    unchecked_.resource = kBuiltInUnchecked;
    grayed_.resource = kBuiltInGrayed;
    for (Glyph* glyph : {&checked_, &unchecked_, &grayed_})
        glyph->picture.LoadFromResourceForDpi(glyph->resource, Dpi());
    SetTabStop(true);
}

void TBitCheckBox::SetAlignment(TLeftRight value) {
    if (value == alignment_) return;
    alignment_ = value;
    Invalidate();
}

void TBitCheckBox::SetState(TCheckBoxState value) {
    if (value == state_) return;
    state_ = value;
    Invalidate();
    // Armed or disarmed, by the user or by the program: worth hearing.
    tk::NotifyAccessible(*this, EVENT_OBJECT_STATECHANGE);
}

tk::AccessibleFacts TBitCheckBox::Accessible() const {
    const long state = state_ == cbChecked  ? STATE_SYSTEM_CHECKED
                       : state_ == cbGrayed ? STATE_SYSTEM_MIXED
                                            : 0;
    return {.role = readsAsRadio_ ? ROLE_SYSTEM_RADIOBUTTON : ROLE_SYSTEM_CHECKBUTTON,
            .name = AccessibleName(),
            .state = state,
            .defaultAction = tk::LoadText(state_ == cbChecked ? lang::ActionUncheck : lang::ActionCheck)};
}

void TBitCheckBox::SetCtl3D(bool value) {
    if (value == ctl3D_) return;
    ctl3D_ = value;
    Invalidate();
}

void TBitCheckBox::SetCheckedGlyph(const tk::Bitmap* value) { AssignGlyph(checked_, value, kBuiltInChecked); }

void TBitCheckBox::SetGrayedGlyph(const tk::Bitmap* value) { AssignGlyph(grayed_, value, kBuiltInGrayed); }

void TBitCheckBox::SetUncheckedGlyph(const tk::Bitmap* value) {
    AssignGlyph(unchecked_, value, kBuiltInUnchecked);
}

void TBitCheckBox::SetGlyphResources(const char* checked, const char* unchecked, const char* grayed) {
    LoadGlyph(checked_, checked);
    LoadGlyph(unchecked_, unchecked);
    LoadGlyph(grayed_, grayed);
}

void TBitCheckBox::AssignGlyph(Glyph& glyph, const tk::Bitmap* value, const char* builtInName) {
    if (value) {
        glyph.picture = *value;
        glyph.resource = nullptr; // the owner's picture stays as given
        if (const auto count = ui::NumGlyphsOf(glyph.picture.Width(), glyph.picture.Height()))
            (this->*glyph.setNumGlyphs)(*count);
    } else {
        LoadGlyph(glyph, builtInName);
        // The built-in pictures are single images, whatever count the old one had.
        (this->*glyph.setNumGlyphs)(ui::kMinNumGlyphs);
    }
    Invalidate();
}

void TBitCheckBox::LoadGlyph(Glyph& glyph, const char* resource) {
    tk::Bitmap loaded;
    if (!loaded.LoadFromResourceForDpi(resource, Dpi())) return;
    glyph.picture = std::move(loaded);
    glyph.resource = resource;
    if (const auto count = ui::NumGlyphsOf(glyph.picture.Width(), glyph.picture.Height()))
        (this->*glyph.setNumGlyphs)(*count);
    Invalidate();
}

void TBitCheckBox::DpiChanged() {
    for (Glyph* glyph : {&checked_, &unchecked_, &grayed_})
        if (glyph->resource) LoadGlyph(*glyph, glyph->resource);
    tk::CustomControl::DpiChanged();
}

void TBitCheckBox::StoreNumGlyphs(int& field, int value) {
    field = ui::ClampNumGlyphs(value);
    Invalidate();
}

void TBitCheckBox::Toggle() { SetState(ui::NextState(state_, allowGrayed_)); }

void TBitCheckBox::Click() {
    Toggle();
    tk::CustomControl::Click();
    if (CanFocus()) SetFocus();
}

bool TBitCheckBox::DialogChar(char ch) {
    const char accelerator = tk::AcceleratorOf(Caption());
    if (accelerator == 0 || !tk::SameLetter(ch, accelerator) || !Enabled() || !CanFocus())
        return tk::CustomControl::DialogChar(ch);
    SetFocus();
    if (Focused()) Toggle();
    return true;
}

void TBitCheckBox::KeyPress(char key) {
    if (OnKeyPress) OnKeyPress(*this, key);
    if (key == ' ') Click();
}

void TBitCheckBox::MouseUp(LPARAM position) {
    if (!std::exchange(mousePressed_, false)) return;
    const POINT p{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    RECT client{};
    GetClientRect(Handle(), &client);
    if (PtInRect(&client, p)) Click();
}

LRESULT TBitCheckBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_BUTTON;
    case WM_CHAR:
        // A held Space is one press, as with a standard check box.
        if ((lParam & kKeyRepeatBit) == 0) KeyPress(static_cast<char>(wParam));
        return 0;
    case WM_LBUTTONDOWN: mousePressed_ = true; break;
    case WM_LBUTTONUP: MouseUp(lParam); break;
    case WM_MOUSEMOVE:
        // Without mouse capture a release outside never arrives; a move with
        // the button up shows that the press is over.
        if ((wParam & MK_LBUTTON) == 0) mousePressed_ = false;
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
    case WM_SYSCOLORCHANGE: Invalidate(); break;
    case BM_GETCHECK: return state_;
    case BM_SETCHECK:
        if (wParam <= cbGrayed) SetState(static_cast<TCheckBoxState>(wParam));
        return 0;
    default: break;
    }
    return tk::CustomControl::WndProc(msg, wParam, lParam);
}

void TBitCheckBox::Paint(tk::Canvas& canvas) {
    const int clientWidth = Width(); // the control has no border
    const int clientHeight = Height();
    canvas.SetBrushColor(Color());
    canvas.FillRect(RECT{0, 0, clientWidth, clientHeight});
    canvas.SetBrushStyle(tk::BrushStyle::Clear);

    const tk::Bitmap& picture = state_ == cbUnchecked ? unchecked_.picture
                                : state_ == cbChecked ? checked_.picture
                                                      : grayed_.picture;
    const int numGlyphs = state_ == cbUnchecked ? uncheckedNumGlyphs_
                          : state_ == cbChecked ? checkedNumGlyphs_
                                                : grayedNumGlyphs_;
    const ui::GlyphPlacement place = ui::PlaceGlyph(alignment_, clientWidth, clientHeight, picture.Width(),
                                                    picture.Height(), numGlyphs, Enabled());

    canvas.SetFont(Font());
    const std::string& caption = Caption();
    const SIZE extent = canvas.TextExtent(caption);
    const bool hasAmpersand = caption.find('&') != std::string::npos;
    const ui::CaptionMetrics metrics{extent.cx, extent.cy, hasAmpersand,
                                     hasAmpersand ? canvas.TextWidth("&") : 0};
    const ui::LayoutRect t = ui::CaptionRect(alignment_, place.width, clientWidth, clientHeight, metrics);
    RECT textRect{t.left, t.top, t.right, t.bottom};

    const tk::TColor fontColor = Font().color;
    if (Enabled()) {
        canvas.DrawText(caption, textRect, kCaptionFormat);
    } else {
        if (ctl3D_) {
            RECT emboss = textRect;
            OffsetRect(&emboss, kEmbossOffset, kEmbossOffset);
            canvas.SetFontColor(tk::clBtnHighlight);
            canvas.DrawText(caption, emboss, kCaptionFormat);
        }
        canvas.SetFontColor(tk::clGrayText);
        canvas.DrawText(caption, textRect, kCaptionFormat);
    }
    canvas.SetFontColor(fontColor);
    canvas.SetBrushColor(Color());

    if (Focused() && FocusCuesShown()) canvas.DrawFocusRect(textRect);

    const tk::Bitmap image = OpaqueImage(picture, place, Color());
    if (image.Empty()) return;
    const RECT dest{place.destX, place.destY, place.destX + place.width, place.destY + place.height};
    canvas.DrawPart(dest, image, RECT{0, 0, place.width, place.height});
}

} // namespace ui
