#include "dialogs/aboutUnit.h"

#include <shellapi.h>

#include "dialogs/AboutLinks.h"
#include "dialogs/DialogForm.h"
#include "toolkit/WideText.h"
#include "toolkit/Application.h"
#include "toolkit/Texts.h"
#include "ui/FormKinds.h"
#include "ui/lang.h"

using tk::LoadText;

namespace {

constexpr int kClientWidth = 297;
constexpr int kClientHeight = 216;
constexpr int kIconSize = 32;
// The icon frame lies one pixel outside the icon on every side.
constexpr int kIconFrameSpace = 1;
// Behind the icon's transparent parts; never a colour of the icon itself.
constexpr tk::TColor kIconKeyColor = tk::RGBColor(255, 0, 255);
// The user name buffer and the size the system is told.
constexpr DWORD kUserNameBuffer = 256;
constexpr DWORD kUserNameSize = 255;

tk::ControlKind Text() { return tk::MakeLabel({.transparent = true, .autoSize = true}); }

const tk::FontSpec kBold{.bold = true};
const tk::FontSpec kUnderlined{.underline = true};
const tk::FontSpec kLink{.underline = true, .color = tk::clBlue};

// clang-format off
const tk::ControlRow kControls[] = {
    {.name = "Image1", .kind = tk::MakeImage(), .bind = tk::Bind<&TAboutBox::Image1>, .bounds = {0, 0, kClientWidth, kClientHeight}},
    {.name = "Bevel1", .kind = tk::MakeBevel(tk::BevelShape::Frame), .bind = tk::Bind<&TAboutBox::Bevel1>, .bounds = {8, 8, 281, 169}},
    {.name = "ProgramIcon", .kind = tk::MakeImage(), .bind = tk::Bind<&TAboutBox::ProgramIcon>, .bounds = {24, 24, kIconSize, kIconSize}},
    {.name = "ProductName", .kind = Text(), .bind = tk::Bind<&TAboutBox::ProductName>, .bounds = {72, 24, 0, 0}, .textId = lang::AboutProgramName, .font = kBold},
    {.name = "Version", .kind = Text(), .bind = tk::Bind<&TAboutBox::Version>, .bounds = {72, 40, 0, 0}, .textId = lang::AboutVersion},
    {.name = "Copyright", .kind = Text(), .bind = tk::Bind<&TAboutBox::Copyright>, .bounds = {24, 72, 0, 0}, .textId = lang::AboutAuthor, .font = kUnderlined},
    {.name = "Comments", .kind = Text(), .bind = tk::Bind<&TAboutBox::Comments>, .bounds = {24, 112, 0, 0}, .textId = lang::AboutThanks, .font = kUnderlined},
    {.name = "Author", .kind = Text(), .bind = tk::Bind<&TAboutBox::Author>, .bounds = {32, 88, 0, 0}, .textId = lang::AboutAuthorName},
    {.name = "Comments2", .kind = Text(), .bind = tk::Bind<&TAboutBox::Comments2>, .bounds = {32, 128, 0, 0}, .textId = lang::AboutThanksFirst},
    {.name = "Comments3", .kind = Text(), .bind = tk::Bind<&TAboutBox::Comments3>, .bounds = {32, 144, 0, 0}, .textId = lang::AboutThanksText},
    // Placed around the icon when the box is made.
    {.name = "Bevel", .kind = tk::MakeBevel(tk::BevelShape::Frame), .bind = tk::Bind<&TAboutBox::Bevel>},
    {.name = "Bevel2", .kind = tk::MakeBevel(tk::BevelShape::TopLine), .bind = tk::Bind<&TAboutBox::Bevel2>, .bounds = {16, 64, 265, 9}},
    {.name = "WEBLink", .kind = Text(), .bind = tk::Bind<&TAboutBox::WEBLink>, .bounds = {152, 72, 0, 0}, .textId = lang::AboutWebAddress,
     .font = kLink, .cursor = tk::CursorKind::Hand, .onClick = tk::Call<&TAboutBox::WEBLinkClick>},
    {.name = "EMailLink", .kind = Text(), .bind = tk::Bind<&TAboutBox::EMailLink>, .bounds = {152, 88, 0, 0}, .textId = lang::AboutEMailAddress,
     .font = kLink, .cursor = tk::CursorKind::Hand, .onClick = tk::Call<&TAboutBox::EMailLinkClick>},
    {.name = "OkBtn", .kind = ui::MakeXiButton(), .bind = tk::Bind<&TAboutBox::OkBtn>, .bounds = {104, 184, 89, 25},
     .text = kOkCaption, .cursor = tk::CursorKind::Hand, .tabSlot = 0, .modalResult = tk::mrOk},
};
// clang-format on

// The program's icon on a key colour that the picture leaves out when drawn;
// drawn from the icon's own image for that size where it has one.
void PaintProgramIcon(tk::Bitmap& picture, int size) {
    picture.SetSize(size, size);
    if (picture.Empty()) return;
    tk::Canvas& canvas = picture.GetCanvas();
    canvas.SetBrushStyle(tk::BrushStyle::Solid);
    canvas.SetBrushColor(kIconKeyColor);
    canvas.FillRect(RECT{0, 0, size, size});
    const tk::Application& app = tk::Application::Instance();
    const tk::IconHandle sized = app.IconOfSize(size);
    if (HICON icon = sized ? sized.Get() : app.Identity().icon)
        DrawIconEx(canvas.Handle(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    picture.SetTransparentColor(kIconKeyColor);
    picture.SetTransparent(true);
}

std::optional<std::string> LoggedOnUserName() {
    // As UTF-8, the form mail programs expect in a link.
    wchar_t name[kUserNameBuffer] = {};
    DWORD size = kUserNameSize;
    if (!GetUserNameW(name, &size)) return std::nullopt;
    return tk::Utf8(name);
}

void OpenWithShell(const std::string& url) {
    // The shell reports its own failures, if any; the program adds nothing.
    ShellExecuteW(nullptr, nullptr, tk::Widen(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace

AboutSystem WindowsAboutSystem() { return AboutSystem{OpenWithShell, LoggedOnUserName}; }

const tk::FormDescription& TAboutBox::Description() {
    static const tk::FormDescription description =
        DialogDescription({.name = "AboutBox",
                           .clientWidth = kClientWidth,
                           .clientHeight = kClientHeight,
                           .position = tk::FormPosition::MainFormCenter},
                          kControls);
    return description;
}

TAboutBox::TAboutBox(AboutSystem system) : SkinnedDialog(Description().form), system_(std::move(system)) {
    tk::BuildForm(*this, Description(), LoadText);
    FormCreate();
}

void TAboutBox::FormCreate() {
    // The labels' texts come with the description.
    SetCaption(LoadText(lang::AboutCaption));
    const tk::Bounds icon = ProgramIcon->DesignBounds();
    Bevel->SetDesignBounds({icon.left - kIconFrameSpace, icon.top - kIconFrameSpace,
                            icon.width + 2 * kIconFrameSpace, icon.height + 2 * kIconFrameSpace});
    ApplySkin();
}

void TAboutBox::ApplySkin() {
    PaintProgramIcon(ProgramIcon->Picture(), ProgramIcon->Width());
    SkinDialog(*Image1, {Bevel->GetBounds().Rect()}, {Bevel1->GetBounds().Rect()}, {OkBtn});
}

void TAboutBox::WEBLinkClick() { system_.openUrl(about::WebUrl(about::kWebHost)); }

void TAboutBox::EMailLinkClick() {
    system_.openUrl(about::MailUrl(about::kEMailAddress, system_.userName()));
}
