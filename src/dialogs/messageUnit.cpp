#include "dialogs/messageUnit.h"

#include <algorithm>
#include <memory>

#include "toolkit/Texts.h"
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
constexpr char kOkCaption[] = "Ok"; // not translated

constexpr tk::Bounds kImage1{0, 0, kDesignClientWidth, kClientHeight};
constexpr tk::Bounds kBevel1{kFrameMargin, kFrameMargin, kDesignClientWidth - 2 * kFrameMargin, kFrameHeight};
constexpr tk::Bounds kMessageLabel{kTextMargin, kTextTop, 0, 0};
constexpr tk::Bounds kOkBtn{(kDesignClientWidth - kButtonWidth) / 2, kButtonTop, kButtonWidth, kButtonHeight};

tk::FormArgs MessageFormArgs() {
    tk::FormArgs args;
    args.name = "MyMessageDlg";
    args.caption = LoadText(lang::MessageCaption);
    args.clientWidth = kDesignClientWidth;
    args.clientHeight = kClientHeight;
    args.border = tk::FormBorder::Dialog;
    args.position = tk::FormPosition::MainFormCenter;
    return args;
}

} // namespace

TMyMessageDlg::TMyMessageDlg() : tk::Form(MessageFormArgs()) { CreateComponents(); }

void TMyMessageDlg::CreateComponents() {
    Image1 = &Add<tk::Image>("Image1", kImage1);
    Bevel1 = &Add<tk::Bevel>("Bevel1", kBevel1, tk::BevelShape::Frame);

    tk::LabelArgs text;
    text.caption = kDesignText;
    text.transparent = true;
    text.autoSize = true;
    MessageLabel = &Add<tk::Label>("MessageLabel", kMessageLabel, text);

    OkBtn = &Add<ui::TXiButton>("OkBtn", kOkBtn);
    OkBtn->SetCaption(kOkCaption);
    OkBtn->SetModalResult(tk::mrOk);
    OkBtn->SetCursor(tk::CursorKind::Hand);

    ActionCancel = &AddAction(
        tk::Action{"ActionCancel", "", tk::ShortCut{VK_ESCAPE}, [this] { ActionCancelExecute(); }});
}

void TMyMessageDlg::FormShow() {
    SetCaption(LoadText(lang::MessageCaption));

    const int textWidth = MessageLabel->Width();
    const int width = std::max(textWidth + 2 * kTextMargin, kMinClientWidth);
    // The form was placed for its old width before this runs; keep its centre.
    RECT before{};
    GetWindowRect(Handle(), &before);
    SetClientSize(width, kClientHeight);
    RECT after{};
    GetWindowRect(Handle(), &after);
    const int shift = ((after.right - after.left) - (before.right - before.left)) / 2;
    SetWindowPos(Handle(), nullptr, before.left - shift, before.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    Image1->SetBounds({0, 0, width, kClientHeight});
    const int frameWidth = width - 2 * kFrameMargin;
    Bevel1->SetBounds({(width - frameWidth) / 2, Bevel1->Top(), frameWidth, Bevel1->Height()});
    // The text's own margin when the dialog fits it; centred when held at its least width.
    MessageLabel->SetLeft((width - textWidth) / 2);
    OkBtn->SetLeft((width - OkBtn->Width()) / 2);

    ui::BlendBackground(Image1->Picture(), after.right - after.left, after.bottom - after.top, {},
                        {Bevel1->GetBounds().Rect()});
    OkBtn->SetColorScheme(ui::ButtonSchemeFor());
}

void TMyMessageDlg::ActionCancelExecute() { SetModalResult(tk::mrCancel); }

void ShowMessageDlg(const std::string& text) {
    // The dialog goes whichever way ShowModal ends.
    const auto dialog = std::make_unique<TMyMessageDlg>();
    dialog->MessageLabel->SetCaption(text);
    dialog->ShowModal();
}
