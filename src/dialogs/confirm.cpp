#include "dialogs/confirm.h"

#include <array>
#include <string>

#include "toolkit/Texts.h"
#include "ui/lang.h"
#include "ui/skin.h"

using tk::LoadText;

namespace {

int openDialogs = 0;

// The window's description: client size and the components' places.
constexpr int kClientWidth = 265;
constexpr int kClientHeight = 216;
constexpr tk::Bounds kImage1{0, 0, kClientWidth, kClientHeight};
constexpr tk::Bounds kBevel1{8, 8, 249, 169};
constexpr tk::Bounds kBevel2{16, 72, 233, 9};
constexpr tk::Bounds kActionLabel{16, 88, 233, 13};
constexpr tk::Bounds kSeconds{16, 152, 233, 13};
constexpr tk::Bounds kCountDownLabel{16, 104, 233, 49};
constexpr tk::Bounds kConfirmShape{16, 16, 233, 49};
constexpr tk::Bounds kConfirmLabel{24, 22, 217, 37};
constexpr tk::Bounds kOkBtn{40, 184, 89, 25};
constexpr tk::Bounds kCancelButton{136, 184, 89, 25};

constexpr int kCountDownFontHeight = -43;
constexpr int kConfirmFontHeight = -32;
constexpr int kBannerPenWidth = 3;
constexpr char kOkCaption[] = "Ok"; // not translated

// The sentence for each action, in action-index order.
constexpr std::array<lang::TextId, 5> kActionSentences{lang::ConfirmTurnOff, lang::ConfirmReboot,
                                                       lang::ConfirmLogOff, lang::ConfirmStandby,
                                                       lang::ConfirmHibernate};

tk::FontSpec ArialBold(int height, tk::TColor color = tk::clWindowText) {
    tk::FontSpec font;
    font.name = "Arial";
    font.height = height;
    font.bold = true;
    font.color = color;
    return font;
}

tk::LabelArgs CentredFixedLabel() {
    tk::LabelArgs args;
    args.transparent = true;
    args.autoSize = false;
    args.alignment = tk::TextAlignment::Center;
    return args;
}

tk::FormArgs ConfirmFormArgs() {
    tk::FormArgs args;
    args.name = "ConfirmForm";
    args.clientWidth = kClientWidth;
    args.clientHeight = kClientHeight;
    args.border = tk::FormBorder::Dialog;
    args.topmost = true;
    args.position = tk::FormPosition::ScreenCenter;
    return args;
}

} // namespace

bool ConfirmOpen() { return openDialogs > 0; }

TConfirmForm::OpenMark::OpenMark() { ++openDialogs; }
TConfirmForm::OpenMark::~OpenMark() { --openDialogs; }

TConfirmForm::TConfirmForm(int actionIndex, std::uint16_t tickInterval) : tk::Form(ConfirmFormArgs()) {
    CreateComponents();
    FormCreate(actionIndex, tickInterval);
}

void TConfirmForm::CreateComponents() {
    Image1 = &Add<tk::Image>("Image1", kImage1);
    Bevel1 = &Add<tk::Bevel>("Bevel1", kBevel1, tk::BevelShape::Frame);
    Bevel2 = &Add<tk::Bevel>("Bevel2", kBevel2, tk::BevelShape::TopLine);
    ActionLabel = &Add<tk::Label>("ActionLabel", kActionLabel, CentredFixedLabel());
    Seconds = &Add<tk::Label>("Seconds", kSeconds, CentredFixedLabel());

    tk::LabelArgs countDown = CentredFixedLabel();
    countDown.font = ArialBold(kCountDownFontHeight);
    countDown.caption = std::to_string(countdown::kStartNumber);
    CountDownLabel = &Add<tk::Label>("CountDownLabel", kCountDownLabel, countDown);

    tk::ShapeArgs banner;
    banner.kind = tk::ShapeKind::RoundRect;
    banner.brushColor = countdown::kDesignColors.brush;
    banner.penColor = countdown::kDesignColors.pen;
    banner.penWidth = kBannerPenWidth;
    ConfirmShape = &Add<tk::Shape>("ConfirmShape", kConfirmShape, banner);

    tk::LabelArgs attention = CentredFixedLabel();
    attention.font = ArialBold(kConfirmFontHeight, countdown::kDesignColors.text);
    ConfirmLabel = &Add<tk::Label>("ConfirmLabel", kConfirmLabel, attention);

    OkBtn = &Add<ui::TXiButton>("OkBtn", kOkBtn);
    OkBtn->SetCaption(kOkCaption);
    OkBtn->SetModalResult(tk::mrOk);
    OkBtn->SetCursor(tk::CursorKind::Hand);

    CancelButton = &Add<ui::TXiButton>("CancelButton", kCancelButton);
    CancelButton->SetModalResult(tk::mrCancel);
    CancelButton->SetCursor(tk::CursorKind::Hand);
    SetTabOrder({OkBtn, CancelButton});

    AsyncTimer1.SetThreadPriority(TThreadPriority::TimeCritical);
    AsyncTimer1.SetOnTimer([this](TAsyncTimer&) { Timer1Timer(); });

    ActionCancel = &AddAction(
        tk::Action{"ActionCancel", "", tk::ShortCut{VK_ESCAPE}, [this] { ActionCancelExecute(); }});
}

void TConfirmForm::FormCreate(int actionIndex, std::uint16_t tickInterval) {
    SetCaption(LoadText(lang::ConfirmCaption));
    CancelButton->SetCaption(LoadText(lang::ConfirmCancel));
    Seconds->SetCaption(LoadText(lang::ConfirmSeconds));
    ConfirmLabel->SetCaption(LoadText(lang::ConfirmAttention));

    RECT window{};
    GetWindowRect(Handle(), &window);
    ui::BlendBackground(Image1->Picture(), window.right - window.left, window.bottom - window.top, {},
                        {Bevel1->GetBounds().Rect()});
    OkBtn->SetColorScheme(ui::ButtonSchemeFor());
    CancelButton->SetColorScheme(ui::ButtonSchemeFor());

    TicksLeft = countdown::kStartTicks;
    // ShowModal starts from "no result", and only Ok or the countdown's end
    // set OK, so every other way out reads as Cancel.
    SetModalResult(tk::mrCancel);
    AsyncTimer1.SetInterval(tickInterval);

    if (actionIndex >= 0 && actionIndex < static_cast<int>(kActionSentences.size()))
        ActionLabel->SetCaption(LoadText(kActionSentences[static_cast<std::size_t>(actionIndex)]));
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

void TConfirmForm::ShowBanner(const countdown::BannerColors& colors) {
    ConfirmShape->SetPenColor(colors.pen);
    ConfirmShape->SetBrushColor(colors.brush);
    tk::FontSpec font = ConfirmLabel->Font();
    font.color = colors.text;
    ConfirmLabel->SetFont(font);
}

void TConfirmForm::Timer1Timer() {
    // A tick handed over just before the end changes nothing.
    if (TicksLeft < 1) return;
    const countdown::TickView view = countdown::Tick(TicksLeft);
    ShowBanner(view.colors);
    CountDownLabel->SetCaption(std::to_string(view.number));
    TicksLeft = view.ticksLeft;
    if (view.finished) {
        AsyncTimer1.SetEnabled(false);
        SetModalResult(tk::mrOk);
    }
}

void TConfirmForm::ActionCancelExecute() { SetModalResult(tk::mrCancel); }
