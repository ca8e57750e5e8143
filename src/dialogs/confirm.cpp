#include "dialogs/confirm.h"

#include <array>
#include <string>

#include "dialogs/DialogForm.h"
#include "toolkit/Accessible.h"
#include "toolkit/FormDescription.h"
#include "toolkit/Texts.h"
#include "ui/FormKinds.h"
#include "ui/lang.h"
#include "ui/skin.h"

using tk::LoadText;

namespace {

int openDialogs = 0;

// Wide enough for three buttons: Ok where it always was, then Later, then Cancel.
constexpr int kClientWidth = 361;
constexpr int kPanelWidth = kClientWidth - 16;
constexpr int kInnerWidth = kClientWidth - 32;
constexpr int kClientHeight = 216;
constexpr int kCountDownFontHeight = -43;
constexpr int kConfirmFontHeight = -32;
constexpr int kBannerPenWidth = 3;
constexpr char kStartNumberText[] = "30";
static_assert(countdown::kStartNumber == 30, "the design text shows the first number");

// The sentence for each action, in action-index order.
constexpr std::array<lang::TextId, 5> kActionSentences{lang::ConfirmTurnOff, lang::ConfirmReboot,
                                                       lang::ConfirmLogOff, lang::ConfirmStandby,
                                                       lang::ConfirmHibernate};

tk::FontSpec ArialBold(int height, tk::TColor color = tk::clWindowText) {
    return {.name = "Arial", .height = height, .bold = true, .color = color};
}

tk::ControlKind CentredFixedLabel() {
    return tk::MakeLabel({.transparent = true, .autoSize = false, .alignment = tk::TextAlignment::Center});
}

// clang-format off
const tk::ControlRow kControls[] = {
    {.name = "Image1", .kind = tk::MakeImage(), .bind = tk::Bind<&TConfirmForm::Image1>, .bounds = {0, 0, kClientWidth, kClientHeight}},
    {.name = "Bevel1", .kind = tk::MakeBevel(tk::BevelShape::Frame), .bind = tk::Bind<&TConfirmForm::Bevel1>, .bounds = {8, 8, kPanelWidth, 169}},
    {.name = "Bevel2", .kind = tk::MakeBevel(tk::BevelShape::TopLine), .bind = tk::Bind<&TConfirmForm::Bevel2>, .bounds = {16, 72, kInnerWidth, 9}},
    {.name = "ActionLabel", .kind = CentredFixedLabel(), .bind = tk::Bind<&TConfirmForm::ActionLabel>, .bounds = {16, 88, kInnerWidth, 13}},
    {.name = "Seconds", .kind = CentredFixedLabel(), .bind = tk::Bind<&TConfirmForm::Seconds>, .bounds = {16, 152, kInnerWidth, 13},
     .textId = lang::ConfirmSeconds},
    {.name = "CountDownLabel", .kind = CentredFixedLabel(), .bind = tk::Bind<&TConfirmForm::CountDownLabel>, .bounds = {16, 104, kInnerWidth, 49},
     .text = kStartNumberText, .font = ArialBold(kCountDownFontHeight)},
    {.name = "ConfirmShape", .kind = tk::MakeShape({.kind = tk::ShapeKind::RoundRect, .brushColor = countdown::kDesignColors.brush,
                                                    .penColor = countdown::kDesignColors.pen, .penWidth = kBannerPenWidth}),
     .bind = tk::Bind<&TConfirmForm::ConfirmShape>, .bounds = {16, 16, kInnerWidth, 49}},
    {.name = "ConfirmLabel", .kind = CentredFixedLabel(), .bind = tk::Bind<&TConfirmForm::ConfirmLabel>, .bounds = {24, 22, kInnerWidth - 16, 37},
     .textId = lang::ConfirmAttention, .font = ArialBold(kConfirmFontHeight, countdown::kDesignColors.text)},
    {.name = "OkBtn", .kind = ui::MakeXiButton(), .bind = tk::Bind<&TConfirmForm::OkBtn>, .bounds = {40, 184, 89, 25},
     .text = kOkCaption, .cursor = tk::CursorKind::Hand, .tabSlot = 0, .modalResult = tk::mrOk},
    {.name = "LaterBtn", .kind = ui::MakeXiButton(), .bind = tk::Bind<&TConfirmForm::LaterBtn>, .bounds = {136, 184, 89, 25},
     .textId = lang::ConfirmLater, .cursor = tk::CursorKind::Hand, .tabSlot = 1, .modalResult = mrLater},
    {.name = "CancelButton", .kind = ui::MakeXiButton(), .bind = tk::Bind<&TConfirmForm::CancelButton>, .bounds = {232, 184, 89, 25},
     .textId = lang::ConfirmCancel, .cursor = tk::CursorKind::Hand, .tabSlot = 2, .modalResult = tk::mrCancel},
};
// clang-format on

} // namespace

bool ConfirmOpen() { return openDialogs > 0; }

TConfirmForm::OpenMark::OpenMark() { ++openDialogs; }
TConfirmForm::OpenMark::~OpenMark() { --openDialogs; }

const tk::FormDescription& TConfirmForm::Description() {
    static const tk::FormDescription description =
        DialogDescription({.name = "ConfirmForm",
                           .clientWidth = kClientWidth,
                           .clientHeight = kClientHeight,
                           .topmost = true,
                           .position = tk::FormPosition::ScreenCenter,
                           .alert = true},
                          kControls);
    return description;
}

TConfirmForm::TConfirmForm(int actionIndex, std::uint16_t tickInterval) : SkinnedDialog(Description().form) {
    tk::BuildForm(*this, Description(), LoadText);
    AsyncTimer1.SetThreadPriority(tk::TThreadPriority::TimeCritical);
    AsyncTimer1.SetOnTimer([this](tk::TAsyncTimer&) { Timer1Timer(); });
    FormCreate(actionIndex, tickInterval);
}

void TConfirmForm::FormCreate(int actionIndex, std::uint16_t tickInterval) {
    // The other texts come with the description.
    SetCaption(LoadText(lang::ConfirmCaption));
    ApplySkin();
    ShowBanner(countdown::kDesignColors);

    TicksLeft = countdown::kStartTicks;
    // ShowModal starts from "no result", and only Ok or the countdown's end
    // set OK, so every other way out reads as Cancel.
    SetModalResult(tk::mrCancel);
    // The dialog comes up while the user may be typing elsewhere: a stray
    // Space or Enter must not carry out the action, so the keyboard starts on
    // Cancel and Ok takes a deliberate choice.
    ControlFocused(CancelButton);
    AsyncTimer1.SetInterval(tickInterval);

    if (actionIndex >= 0 && actionIndex < static_cast<int>(kActionSentences.size()))
        ActionLabel->SetCaption(LoadText(kActionSentences[static_cast<std::size_t>(actionIndex)]));
}

void TConfirmForm::ApplySkin() {
    SkinDialog(*Image1, {}, {Bevel1->GetBounds().Rect()}, {OkBtn, LaterBtn, CancelButton});
}

void TConfirmForm::FormShow() {
    AsyncTimer1.SetEnabled(true);
    KeepOnTop();
}

void TConfirmForm::FormActivate() { KeepOnTop(); }

void TConfirmForm::FormDeactivate() { KeepOnTop(); }

void TConfirmForm::KeepOnTop() {
    SetWindowPos(Handle(), HWND_TOPMOST, Left(), Top(), Width(), Height(),
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

void TConfirmForm::ShowBanner(const countdown::BannerColors& designed) {
    const countdown::BannerColors colors =
        ui::HighContrastInForce() ? countdown::InSystemColors(designed) : designed;
    ConfirmShape->SetPenColor(colors.pen);
    ConfirmShape->SetBrushColor(colors.brush);
    tk::FontSpec font = ConfirmLabel->DesignFont();
    font.color = colors.text;
    ConfirmLabel->SetFont(font);
}

void TConfirmForm::Timer1Timer() {
    // A tick handed over just before the end changes nothing.
    if (TicksLeft < 1) return;
    const countdown::TickView view = countdown::Tick(TicksLeft);
    ShowBanner(view.colors);
    CountDownLabel->SetCaption(std::to_string(view.number));
    if (view.announce) tk::Announce(*CountDownLabel);
    TicksLeft = view.ticksLeft;
    if (view.finished) {
        AsyncTimer1.SetEnabled(false);
        SetModalResult(tk::mrOk);
    }
}
