#include "dialogs/aboutUnit.h"

#include <windowsx.h>
#include <shellapi.h>

#include "app/Texts.h"
#include "app/lang.h"
#include "dialogs/AboutLinks.h"
#include "resource.h"
#include "ui/skin.h"

namespace {

// The window's description: client size and the components' places.
constexpr int kClientWidth = 297;
constexpr int kClientHeight = 216;
constexpr tk::Bounds kImage1{0, 0, kClientWidth, kClientHeight};
constexpr tk::Bounds kBevel1{8, 8, 281, 169};
constexpr int kIconSize = 32;
constexpr tk::Bounds kProgramIcon{24, 24, kIconSize, kIconSize};
constexpr tk::Bounds kProductName{72, 24, 0, 0};
constexpr tk::Bounds kVersion{72, 40, 0, 0};
constexpr tk::Bounds kCopyright{24, 72, 0, 0};
constexpr tk::Bounds kComments{24, 112, 0, 0};
constexpr tk::Bounds kAuthor{32, 88, 0, 0};
constexpr tk::Bounds kComments2{32, 128, 0, 0};
constexpr tk::Bounds kComments3{32, 144, 0, 0};
constexpr tk::Bounds kBevel2{16, 64, 265, 9};
constexpr tk::Bounds kWEBLink{152, 72, 0, 0};
constexpr tk::Bounds kEMailLink{152, 88, 0, 0};
constexpr tk::Bounds kOkBtn{104, 184, 89, 25};
// The icon frame lies one pixel outside the icon on every side.
constexpr int kIconFrameSpace = 1;
constexpr char kOkCaption[] = "Ok"; // not translated
// Behind the icon's transparent parts; never a colour of the icon itself.
constexpr tk::TColor kIconKeyColor = tk::RGBColor(255, 0, 255);
// The user name buffer and the size the system is told.
constexpr DWORD kUserNameBuffer = 256;
constexpr DWORD kUserNameSize = 255;

tk::FormArgs AboutFormArgs() {
    tk::FormArgs args;
    args.name = "AboutBox";
    args.clientWidth = kClientWidth;
    args.clientHeight = kClientHeight;
    args.border = tk::FormBorder::Dialog;
    args.position = tk::FormPosition::MainFormCenter;
    return args;
}

tk::LabelArgs TextLabel(bool bold = false, bool underline = false, tk::TColor color = tk::clWindowText) {
    tk::LabelArgs args;
    args.transparent = true;
    args.autoSize = true;
    tk::FontSpec font;
    font.bold = bold;
    font.underline = underline;
    font.color = color;
    args.font = font;
    return args;
}

// The program's icon on a key colour that the picture leaves out when drawn.
void PaintProgramIcon(tk::Bitmap& picture) {
    picture.SetSize(kIconSize, kIconSize);
    if (picture.Empty()) return;
    tk::Canvas& canvas = picture.GetCanvas();
    canvas.SetBrushStyle(tk::BrushStyle::Solid);
    canvas.SetBrushColor(kIconKeyColor);
    canvas.FillRect(RECT{0, 0, kIconSize, kIconSize});
    // Shared icons belong to the system: nothing to destroy.
    const HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAINICON), IMAGE_ICON,
                                   kIconSize, kIconSize, LR_SHARED);
    if (icon)
        DrawIconEx(canvas.Handle(), 0, 0, static_cast<HICON>(icon), kIconSize, kIconSize, 0, nullptr,
                   DI_NORMAL);
    picture.SetTransparentColor(kIconKeyColor);
    picture.SetTransparent(true);
}

std::optional<std::string> LoggedOnUserName() {
    char name[kUserNameBuffer] = {};
    DWORD size = kUserNameSize;
    if (!GetUserNameA(name, &size)) return std::nullopt;
    return std::string(name);
}

void OpenWithShell(const std::string& url) {
    // The shell reports its own failures, if any; the program adds nothing.
    ShellExecuteA(nullptr, nullptr, url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace

AboutSystem WindowsAboutSystem() { return AboutSystem{OpenWithShell, LoggedOnUserName}; }

TAboutBox::TAboutBox(AboutSystem system) : tk::Form(AboutFormArgs()), system_(std::move(system)) {
    CreateComponents();
    FormCreate();
}

void TAboutBox::CreateComponents() {
    Image1 = &Add<tk::Image>("Image1", kImage1);
    Bevel1 = &Add<tk::Bevel>("Bevel1", kBevel1, tk::BevelShape::Frame);
    ProgramIcon = &Add<tk::Image>("ProgramIcon", kProgramIcon);
    PaintProgramIcon(ProgramIcon->Picture());
    ProductName = &Add<tk::Label>("ProductName", kProductName, TextLabel(true));
    Version = &Add<tk::Label>("Version", kVersion, TextLabel());
    Copyright = &Add<tk::Label>("Copyright", kCopyright, TextLabel(false, true));
    Comments = &Add<tk::Label>("Comments", kComments, TextLabel(false, true));
    Author = &Add<tk::Label>("Author", kAuthor, TextLabel());
    Comments2 = &Add<tk::Label>("Comments2", kComments2, TextLabel());
    Comments3 = &Add<tk::Label>("Comments3", kComments3, TextLabel());
    Bevel = &Add<tk::Bevel>("Bevel", tk::Bounds{}, tk::BevelShape::Frame);
    Bevel2 = &Add<tk::Bevel>("Bevel2", kBevel2, tk::BevelShape::TopLine);

    WEBLink = &Add<tk::Label>("WEBLink", kWEBLink, TextLabel(false, true, tk::clBlue));
    WEBLink->SetCursor(tk::CursorKind::Hand);
    WEBLink->OnClick = [this](tk::Control&) { WEBLinkClick(); };
    EMailLink = &Add<tk::Label>("EMailLink", kEMailLink, TextLabel(false, true, tk::clBlue));
    EMailLink->SetCursor(tk::CursorKind::Hand);
    EMailLink->OnClick = [this](tk::Control&) { EMailLinkClick(); };

    OkBtn = &Add<ui::TXiButton>("OkBtn", kOkBtn);
    OkBtn->SetCaption(kOkCaption);
    OkBtn->SetModalResult(tk::mrOk);
    OkBtn->SetCursor(tk::CursorKind::Hand);

    ActionCancel = &AddAction(
        tk::Action{"ActionCancel", "", tk::ShortCut{VK_ESCAPE}, [this] { ActionCancelExecute(); }});
}

void TAboutBox::FormCreate() {
    SetCaption(LoadText(lang::AboutCaption));
    ProductName->SetCaption(LoadText(lang::AboutProgramName));
    Version->SetCaption(LoadText(lang::AboutVersion));
    Copyright->SetCaption(LoadText(lang::AboutAuthor));
    Author->SetCaption(LoadText(lang::AboutAuthorName));
    Comments->SetCaption(LoadText(lang::AboutThanks));
    Comments2->SetCaption(LoadText(lang::AboutThanksFirst));
    Comments3->SetCaption(LoadText(lang::AboutThanksText));
    WEBLink->SetCaption(LoadText(lang::AboutWebAddress));
    EMailLink->SetCaption(LoadText(lang::AboutEMailAddress));

    Bevel->SetBounds({ProgramIcon->Left() - kIconFrameSpace, ProgramIcon->Top() - kIconFrameSpace,
                      ProgramIcon->Width() + 2 * kIconFrameSpace,
                      ProgramIcon->Height() + 2 * kIconFrameSpace});

    RECT window{};
    GetWindowRect(Handle(), &window);
    ui::BlendBackground(Image1->Picture(), window.right - window.left, window.bottom - window.top,
                        {Bevel->GetBounds().Rect()}, {Bevel1->GetBounds().Rect()});
    OkBtn->SetColorScheme(ui::ButtonSchemeFor());
}

void TAboutBox::WEBLinkClick() { system_.openUrl(about::WebUrl(about::kWebHost)); }

void TAboutBox::EMailLinkClick() {
    system_.openUrl(about::MailUrl(about::kEMailAddress, system_.userName()));
}

void TAboutBox::ActionCancelExecute() { SetModalResult(tk::mrCancel); }

tk::Label* TAboutBox::LinkAt(LPARAM point) const {
    const POINT p{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    for (tk::Label* link : {WEBLink, EMailLink}) {
        const RECT r = link->GetBounds().Rect();
        if (link->Visible() && PtInRect(&r, p)) return link;
    }
    return nullptr;
}

LRESULT TAboutBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    // A link opens when the button goes down and up again on it.
    if (msg == WM_LBUTTONDOWN) pressedLink_ = LinkAt(lParam);
    if (msg == WM_LBUTTONUP) {
        tk::Label* link = std::exchange(pressedLink_, nullptr);
        if (link && link == LinkAt(lParam) && link->OnClick) link->OnClick(*link);
    }
    return tk::Form::WndProc(msg, wParam, lParam);
}
