// The main window's description: every control with its position and its
// initial properties, in declaration order (later ones paint over earlier ones).
#include "app/MainForm.h"
#include "ui/BtChkBox.h"
#include "ui/CheckBoxPictures.h"
#include "ui/XiButton.h"
#include "ui/XiProgressBar.h"

namespace {

constexpr int kListItemHeight = 15;
constexpr int kShortListRows = 5;
constexpr int kStripeWidth = 2;
constexpr int kSeparatorHeight = 2;
constexpr int kHeaderLabelHeight = 13;

tk::FontSpec SmallFonts() {
    tk::FontSpec f;
    f.name = "Small Fonts";
    f.height = -8;
    return f;
}

tk::LabelArgs Bold() {
    tk::LabelArgs a;
    a.bold = true;
    return a;
}

tk::LabelArgs HeaderLabel() {
    tk::LabelArgs a;
    a.transparent = false;
    a.autoSize = false;
    a.alignment = tk::TextAlignment::Center;
    a.color = tk::clHighlight;
    tk::FontSpec f;
    f.color = tk::clHighlightText;
    a.font = f;
    return a;
}

tk::ShapeArgs Stripe() {
    return tk::ShapeArgs{tk::ShapeKind::Rectangle, tk::clHighlight, tk::clHighlight, 1};
}

tk::ComboBoxArgs ShortList() { return tk::ComboBoxArgs{kListItemHeight, kShortListRows}; }
tk::ComboBoxArgs List() { return tk::ComboBoxArgs{kListItemHeight}; }

} // namespace

void TMainForm::BuildControls() {
    using tk::Bevel;
    using tk::BevelShape;
    using tk::Label;
    using tk::Shape;
    const tk::Bounds header{0, 0, 97, 17}; // placed by the header layout
    const tk::Bounds separator{0, 0, 0, kSeparatorHeight};
    const tk::Bounds stripe{0, 0, kStripeWidth, 0};

    Image1 = &Add<tk::Image>("Image1", tk::Bounds{0, 0, 521, 257});
    Bevel1 = &Add<Bevel>("Bevel1", tk::Bounds{8, 8, 249, 209});
    CheckBoxTimer = &Add<TBitCheckBox>("CheckBoxTimer", header);
    Bevel2 = &Add<Bevel>("Bevel2", separator, BevelShape::TopLine);
    Shape1 = &Add<Shape>("Shape1", stripe, Stripe());
    Bevel5 = &Add<Bevel>("Bevel5", tk::Bounds{16, 32, 233, 65});
    RadioButtonDate = &Add<TBitCheckBox>("RadioButtonDate", header);
    Shape3 = &Add<Shape>("Shape3", stripe, Stripe());
    DateTxt = &Add<Label>("DateTxt", tk::Bounds{24, 50, 0, 0});
    TimeTxt = &Add<Label>("TimeTxt", tk::Bounds{136, 50, 0, 0});
    DateTimePickerDate = &Add<tk::DateTimePicker>("DateTimePickerDate", tk::Bounds{24, 64, 105, 21},
                                                  tk::DateTimePickerArgs{tk::PickerKind::Date, {}});
    DateTimePickerTime = &Add<tk::DateTimePicker>("DateTimePickerTime", tk::Bounds{136, 64, 105, 21},
                                                  tk::DateTimePickerArgs{tk::PickerKind::Time, {}});
    Bevel6 = &Add<Bevel>("Bevel6", tk::Bounds{16, 104, 233, 65});
    RadioButtonCounter = &Add<TBitCheckBox>("RadioButtonCounter", header);
    Shape4 = &Add<Shape>("Shape4", stripe, Stripe());
    PlDaysTxt = &Add<Label>("PlDaysTxt", tk::Bounds{24, 122, 0, 0});
    PlTimeTxt = &Add<Label>("PlTimeTxt", tk::Bounds{136, 122, 0, 0});
    DaysComboBox = &Add<tk::ComboBox>("DaysComboBox", tk::Bounds{24, 136, 105, 21}, ShortList());
    // A span of hours, minutes and seconds, not a time of day: always 24-hour.
    DateTimePickerReverseTime =
        &Add<tk::DateTimePicker>("DateTimePickerReverseTime", tk::Bounds{136, 136, 106, 21},
                                 tk::DateTimePickerArgs{tk::PickerKind::Time, "HH':'mm':'ss"});
    CurrentTimeTxt = &Add<Label>("CurrentTimeTxt", tk::Bounds{21, 176, 0, 0});
    CurrTimeLabel = &Add<Label>("CurrTimeLabel", tk::Bounds{127, 176, 0, 0}, Bold());
    TimeActionLabel = &Add<Label>("TimeActionLabel", tk::Bounds{21, 192, 0, 0});
    PowerOffTimeLabel = &Add<Label>("PowerOffTimeLabel", tk::Bounds{127, 192, 0, 0}, Bold());
    {
        tk::LabelArgs a;
        a.autoSize = false;
        a.font = SmallFonts();
        AttemptLabel = &Add<Label>("AttemptLabel", tk::Bounds{10, 215, 87, 10}, a);
    }
    NetTimeSpeedButton = &Add<TXiButton>("NetTimeSpeedButton", tk::Bounds{8, 224, 49, 25});
    AboutSpeedButton = &Add<TXiButton>("AboutSpeedButton", tk::Bounds{63, 224, 34, 25});
    PowerSpeedButton = &Add<TXiButton>("PowerSpeedButton", tk::Bounds{104, 224, 89, 25});
    CloseSpeedButton = &Add<TXiButton>("CloseSpeedButton", tk::Bounds{200, 224, 58, 25});
    Bevel3 = &Add<Bevel>("Bevel3", tk::Bounds{264, 8, 249, 65});
    CheckBoxWinAmp = &Add<TBitCheckBox>("CheckBoxWinAmp", header);
    Bevel4 = &Add<Bevel>("Bevel4", separator, BevelShape::TopLine);
    Shape2 = &Add<Shape>("Shape2", stripe, Stripe());
    CurrentSongTxt = &Add<Label>("CurrentSongTxt", tk::Bounds{280, 32, 0, 0});
    CurrTrack = &Add<Label>("CurrTrack", tk::Bounds{384, 32, 0, 0}, Bold());
    PlaylistPosTxt = &Add<Label>("PlaylistPosTxt", tk::Bounds{280, 48, 0, 0});
    SongsList = &Add<Label>("SongsList", tk::Bounds{384, 48, 0, 0}, Bold());
    Bevel7 = &Add<Bevel>("Bevel7", tk::Bounds{264, 80, 249, 113});
    CheckBoxCPU = &Add<TBitCheckBox>("CheckBoxCPU", header);
    Bevel8 = &Add<Bevel>("Bevel8", separator, BevelShape::TopLine);
    Shape5 = &Add<Shape>("Shape5", stripe, Stripe());
    AvCPULoadTxt = &Add<Label>("AvCPULoadTxt", tk::Bounds{272, 99, 0, 0});
    OverTimeTxt = &Add<Label>("OverTimeTxt", tk::Bounds{400, 99, 0, 0});
    ComboBoxCPULoad = &Add<tk::ComboBox>("ComboBoxCPULoad", tk::Bounds{272, 113, 105, 21}, ShortList());
    ComboBoxCPULoadTime =
        &Add<tk::ComboBox>("ComboBoxCPULoadTime", tk::Bounds{400, 113, 105, 21}, ShortList());
    CurCPULoadTxt = &Add<Label>("CurCPULoadTxt", tk::Bounds{272, 135, 0, 0});
    LabelCPUCurrent = &Add<Label>("LabelCPUCurrent", tk::Bounds{464, 135, 0, 0}, Bold());
    ProgressBarCPUCurrent = &Add<TXiProgressBar>("ProgressBarCPUCurrent", tk::Bounds{272, 149, 233, 9});
    AvCPUloadLevTxt = &Add<Label>("AvCPUloadLevTxt", tk::Bounds{272, 159, 0, 0});
    LabelCPUByTime = &Add<Label>("LabelCPUByTime", tk::Bounds{464, 159, 0, 0}, Bold());
    ProgressBarCPUByTime = &Add<TXiProgressBar>("ProgressBarCPUByTime", tk::Bounds{272, 173, 233, 9});
    Bevel9 = &Add<Bevel>("Bevel9", tk::Bounds{264, 200, 121, 49});
    ActTxt = &Add<Label>("ActTxt", tk::Bounds{0, 0, 0, kHeaderLabelHeight}, HeaderLabel());
    Bevel11 = &Add<Bevel>("Bevel11", separator, BevelShape::TopLine);
    ActionComboBox = &Add<tk::ComboBox>("ActionComboBox", tk::Bounds{272, 221, 105, 21}, List());
    Bevel10 = &Add<Bevel>("Bevel10", tk::Bounds{392, 200, 121, 49});
    SkinTxt = &Add<Label>("SkinTxt", tk::Bounds{0, 0, 0, kHeaderLabelHeight}, HeaderLabel());
    Bevel12 = &Add<Bevel>("Bevel12", separator, BevelShape::TopLine);
    SkinComboBox = &Add<tk::ComboBox>("SkinComboBox", tk::Bounds{400, 221, 105, 21}, List());

    for (TBitCheckBox* box : {CheckBoxTimer, CheckBoxWinAmp, CheckBoxCPU}) UseBoxPictures(*box);
    for (TBitCheckBox* box : {RadioButtonDate, RadioButtonCounter}) UseRadioPictures(*box);
    for (TXiProgressBar* bar : {ProgressBarCPUCurrent, ProgressBarCPUByTime}) {
        // Stored colours first, then the scheme, which wins.
        bar->SetColorBorder(tk::clBlack);
        bar->SetBackColorFace(tk::RGBColor(172, 168, 153));
        bar->SetBackColorGrad(tk::clBlack);
        bar->SetForeColorFace(tk::clWhite);
        bar->SetForeColorGrad(tk::RGBColor(172, 168, 153));
        bar->SetColorScheme(TXiProgressBar::TColorScheme::csSystem);
        bar->SetMax(100);
        bar->SetMin(0);
        bar->SetPosition(0);
    }

    using tk::CursorKind;
    for (tk::Control* c : std::initializer_list<tk::Control*>{
             CheckBoxTimer, RadioButtonDate, RadioButtonCounter, CheckBoxWinAmp, CheckBoxCPU,
             DateTimePickerDate, DaysComboBox, ComboBoxCPULoad, ComboBoxCPULoadTime, ActionComboBox,
             SkinComboBox, NetTimeSpeedButton, AboutSpeedButton, PowerSpeedButton, CloseSpeedButton})
        c->SetCursor(CursorKind::Hand);
    DateTimePickerTime->SetCursor(CursorKind::Text);
    DateTimePickerReverseTime->SetCursor(CursorKind::Text);

    SetTabOrder({CheckBoxTimer, RadioButtonDate, DateTimePickerDate, DateTimePickerTime, RadioButtonCounter,
                 DaysComboBox, DateTimePickerReverseTime, CheckBoxWinAmp, CheckBoxCPU, ComboBoxCPULoad,
                 ComboBoxCPULoadTime, ActionComboBox, SkinComboBox, NetTimeSpeedButton, AboutSpeedButton,
                 PowerSpeedButton, CloseSpeedButton});
}

namespace {

// A framed group's header: the check box beside its stripe, and the
// separator under it.
void LayOutHeader(const tk::Control& frame, tk::Control& header, tk::Control& stripe,
                  tk::Control* separatorLine) {
    header.SetBounds({frame.Left() + stripe.Width() + 2, frame.Top() + 2, frame.Width() - stripe.Width() - 4,
                      header.Height()});
    stripe.SetBounds({frame.Left() + 2, header.Top(), stripe.Width(), header.Height()});
    if (separatorLine)
        separatorLine->SetBounds({frame.Left() + 2, frame.Top() + header.Height() + 2, frame.Width() - 4,
                                  separatorLine->Height()});
}

// A small frame's header: a label across the top, and the separator under it.
void LayOutLabelHeader(const tk::Control& frame, tk::Control& label, tk::Control& separatorLine) {
    label.SetBounds({frame.Left() + 2, frame.Top() + 2, frame.Width() - 4, label.Height()});
    separatorLine.SetBounds(
        {frame.Left() + 2, frame.Top() + label.Height() + 2, frame.Width() - 4, separatorLine.Height()});
}

} // namespace

void TMainForm::LayOutHeaders() {
    LayOutHeader(*Bevel1, *CheckBoxTimer, *Shape1, Bevel2);
    LayOutHeader(*Bevel3, *CheckBoxWinAmp, *Shape2, Bevel4);
    LayOutHeader(*Bevel5, *RadioButtonDate, *Shape3, nullptr);
    LayOutHeader(*Bevel6, *RadioButtonCounter, *Shape4, nullptr);
    LayOutHeader(*Bevel7, *CheckBoxCPU, *Shape5, Bevel8);
    LayOutLabelHeader(*Bevel9, *ActTxt, *Bevel11);
    LayOutLabelHeader(*Bevel10, *SkinTxt, *Bevel12);
}
