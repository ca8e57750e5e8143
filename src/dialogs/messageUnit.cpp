#include "dialogs/messageUnit.h"

#include <algorithm>
#include <memory>

#include "dialogs/DialogForm.h"
#include "toolkit/FormDescription.h"
#include "toolkit/Texts.h"
#include "ui/FormKinds.h"
#include "ui/lang.h"
#include "ui/skin.h"

using tk::LoadText;

namespace {

// The window's description; the width is the design width, replaced when shown.
constexpr int kDesignClientWidth = 273;
constexpr int kClientHeight = 97;
constexpr int kFrameMargin = 8;
constexpr int kFrameHeight = 49;
constexpr int kTextMargin = 26;
constexpr int kTextTop = 24;
constexpr int kButtonTop = 64;
constexpr int kButtonWidth = 89;
constexpr int kButtonHeight = 25;
// A short text must still leave the Ok button whole inside the frame margins.
constexpr int kMinClientWidth = kButtonWidth + 2 * kFrameMargin;
constexpr char kDesignText[] = "?";

// clang-format off
const tk::ControlRow kControls[] = {
    {.name = "Image1", .kind = tk::MakeImage(), .bind = tk::Bind<&TMyMessageDlg::Image1>, .bounds = {0, 0, kDesignClientWidth, kClientHeight}},
    {.name = "Bevel1", .kind = tk::MakeBevel(tk::BevelShape::Frame), .bind = tk::Bind<&TMyMessageDlg::Bevel1>,
     .bounds = {kFrameMargin, kFrameMargin, kDesignClientWidth - 2 * kFrameMargin, kFrameHeight}},
    {.name = "MessageLabel", .kind = tk::MakeLabel({.transparent = true, .autoSize = true}), .bind = tk::Bind<&TMyMessageDlg::MessageLabel>,
     .bounds = {kTextMargin, kTextTop, 0, 0}, .text = kDesignText},
    {.name = "OkBtn", .kind = ui::MakeXiButton(), .bind = tk::Bind<&TMyMessageDlg::OkBtn>,
     .bounds = {(kDesignClientWidth - kButtonWidth) / 2, kButtonTop, kButtonWidth, kButtonHeight},
     .text = kOkCaption, .cursor = tk::CursorKind::Hand, .modalResult = tk::mrOk},
};
// clang-format on

} // namespace

const tk::FormDescription& TMyMessageDlg::Description() {
    static const tk::FormDescription description =
        DialogDescription({.name = "MyMessageDlg",
                           .clientWidth = kDesignClientWidth,
                           .clientHeight = kClientHeight,
                           .position = tk::FormPosition::MainFormCenter,
                           .alert = true},
                          kControls);
    return description;
}

TMyMessageDlg::TMyMessageDlg() : SkinnedDialog(Description().form) {
    SetCaption(LoadText(lang::MessageCaption));
    tk::BuildForm(*this, Description(), LoadText);
}

SIZE TMyMessageDlg::LayOut() {
    const int textWidth = MessageLabel->Width();
    const int width = std::max(textWidth + 2 * Scaled(kTextMargin), Scaled(kMinClientWidth));
    // A text of several lines makes the panel taller and moves the button down.
    const std::string& text = MessageLabel->Caption();
    const int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    const int extra = MessageLabel->Height() - MessageLabel->Height() / lines;
    const int height = Scaled(kClientHeight) + extra;

    Image1->SetBounds({0, 0, width, height});
    const int frameWidth = width - 2 * Scaled(kFrameMargin);
    Bevel1->SetBounds({(width - frameWidth) / 2, Bevel1->Top(), frameWidth, Scaled(kFrameHeight) + extra});
    // The text's own margin when the dialog fits it; centred when held at its least width.
    MessageLabel->SetLeft((width - textWidth) / 2);
    OkBtn->SetBounds(
        {(width - OkBtn->Width()) / 2, Scaled(kButtonTop) + extra, OkBtn->Width(), OkBtn->Height()});
    return SIZE{width, height};
}

void TMyMessageDlg::FormShow() {
    SetCaption(LoadText(lang::MessageCaption));
    // The form was placed for its old width before this runs; keep its centre.
    RECT before{};
    GetWindowRect(Handle(), &before);
    const SIZE client = LayOut();
    SetClientSize(client.cx, client.cy);
    RECT after{};
    GetWindowRect(Handle(), &after);
    const int shift = ((after.right - after.left) - (before.right - before.left)) / 2;
    SetWindowPos(Handle(), nullptr, before.left - shift, before.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ApplySkin();
}

// The text and the rest follow the new scale, and the window fits them.
void TMyMessageDlg::FormDpiChanged() {
    const SIZE client = LayOut();
    SetClientSize(client.cx, client.cy);
    ApplySkin();
}

void TMyMessageDlg::ApplySkin() { SkinDialog(*Image1, {}, {Bevel1->GetBounds().Rect()}, {OkBtn}); }

void ShowMessageDlg(const std::string& text) {
    // The dialog goes whichever way ShowModal ends.
    const auto dialog = std::make_unique<TMyMessageDlg>();
    dialog->MessageLabel->SetCaption(text);
    dialog->ShowModal();
}
