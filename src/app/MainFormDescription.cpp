// The main window's description: every control with its position, its
// initial properties and its events, in declaration order (later ones paint
// over earlier ones), and the keyboard actions.
#include "app/MainForm.h"
#include "ui/lang.h"
#include "ui/BtChkBox.h"
#include "ui/FormKinds.h"
#include "ui/XiButton.h"
#include "ui/XiProgressBar.h"

namespace {

using tk::Bind;
using tk::Call;
using tk::CursorKind;

constexpr int kClientWidth = 521;
constexpr int kClientHeight = 377; // 257, and a row of groups below
constexpr int kListItemHeight = 15;
constexpr int kShortListRows = 5;

// Header controls, stripes and separators are placed by the header rule;
// only their own heights and the stripes' width are given here.
constexpr tk::Bounds kHeader{0, 0, ui::TBitCheckBox::kDefaultWidth, ui::TBitCheckBox::kDefaultHeight};
constexpr tk::Bounds kHeaderLabel{0, 0, 0, 13};
constexpr tk::Bounds kStripe{0, 0, 2, 0};
constexpr tk::Bounds kSeparator{0, 0, 0, 2};

const tk::FontSpec kBold{.bold = true};

// The time values sit right of their captions inside the timer frame; a
// regional format with long fields draws them smaller rather than past it.
// Fonts differ between systems: the text keeps a few pixels from the frame.
constexpr int kTimeValueLeft = 127;
constexpr int kTimerFrameInside = 8 + 249 - 2;
constexpr int kTextSafety = 3;
tk::ControlKind TimeValue() {
    return tk::MakeLabel({.bold = true, .fitWidth = kTimerFrameInside - kTextSafety - kTimeValueLeft});
}
const tk::FontSpec kSmallFonts{.name = "Small Fonts", .height = -8};

tk::ControlKind Frame() { return tk::MakeBevel(tk::BevelShape::Frame); }
tk::ControlKind Separator() { return tk::MakeBevel(tk::BevelShape::TopLine); }
tk::ControlKind Stripe() {
    return tk::MakeShape({.kind = tk::ShapeKind::Rectangle,
                          .brushColor = tk::clHighlight,
                          .penColor = tk::clHighlight,
                          .penWidth = 1});
}
tk::ControlKind HeaderLabel() {
    return tk::MakeLabel({.transparent = false,
                          .autoSize = false,
                          .alignment = tk::TextAlignment::Center,
                          .font = tk::FontSpec{.color = tk::clHighlightText},
                          .color = tk::clHighlight});
}
tk::ControlKind ShortList() {
    return tk::MakeComboBox({.itemHeight = kListItemHeight, .dropDownCount = kShortListRows});
}
tk::ControlKind List() { return tk::MakeComboBox({.itemHeight = kListItemHeight}); }
tk::ControlKind LoadBar() {
    // Stored colours first, then the scheme, which wins.
    constexpr tk::TColor kGrey = tk::RGBColor(172, 168, 153);
    return ui::MakeXiProgressBar({.colors = ui::xibar::BarColors{.border = tk::clBlack,
                                                                 .backFace = kGrey,
                                                                 .backGrad = tk::clBlack,
                                                                 .foreFace = tk::clWhite,
                                                                 .foreGrad = kGrey},
                                  .scheme = ui::xibar::TColorScheme::csSystem});
}

const tk::ActionRow kActions[] = {
    {.name = "ActionMinimize",
     .caption = "ActionMinimize",
     .shortcut = {.key = VK_ESCAPE},
     .onExecute = Call<&TMainForm::ActionMinimizeExecute>},
    {.name = "ActionClose",
     .caption = "Close",
     .shortcut = {.key = 'X', .alt = true},
     .onExecute = Call<&TMainForm::ActionCloseExecute>},
    {.name = "ActionAbout",
     .caption = "About",
     .shortcut = {.key = VK_F1},
     .onExecute = Call<&TMainForm::ActionAboutExecute>},
    {.name = "ActionPower",
     .caption = "Exec",
     .shortcut = {.key = VK_F10},
     .onExecute = Call<&TMainForm::ActionPowerExecute>},
    {.name = "ActionClock",
     .caption = "Sync",
     .shortcut = {.key = VK_F2},
     .onExecute = Call<&TMainForm::ActionClockExecute>},
};

// clang-format off
const tk::ControlRow kControls[] = {
    {.name = "Image1", .kind = tk::MakeImage(), .bind = Bind<&TMainForm::Image1>, .bounds = {0, 0, kClientWidth, kClientHeight}},

    // Timer group
    {.name = "Bevel1", .kind = Frame(), .bind = Bind<&TMainForm::Bevel1>, .bounds = {8, 8, 249, 209}},
    {.name = "CheckBoxTimer", .kind = ui::MakeBitCheckBox(ui::CheckBoxPictures::Box), .bind = Bind<&TMainForm::CheckBoxTimer>,
     .bounds = kHeader, .cursor = CursorKind::Hand, .tabSlot = 0,
     .header = {.frame = "Bevel1", .stripe = "Shape1", .separator = "Bevel2"}, .onClick = Call<&TMainForm::CheckBoxTimerEdited>},
    {.name = "Bevel2", .kind = Separator(), .bind = Bind<&TMainForm::Bevel2>, .bounds = kSeparator},
    {.name = "Shape1", .kind = Stripe(), .bind = Bind<&TMainForm::Shape1>, .bounds = kStripe},
    {.name = "Bevel5", .kind = Frame(), .bind = Bind<&TMainForm::Bevel5>, .bounds = {16, 32, 233, 65}},
    {.name = "RadioButtonDate", .kind = ui::MakeBitCheckBox(ui::CheckBoxPictures::Radio), .bind = Bind<&TMainForm::RadioButtonDate>,
     .bounds = kHeader, .cursor = CursorKind::Hand, .tabSlot = 1,
     .header = {.frame = "Bevel5", .stripe = "Shape3"}, .onClick = Call<&TMainForm::RadioButtonDateEdited>},
    {.name = "Shape3", .kind = Stripe(), .bind = Bind<&TMainForm::Shape3>, .bounds = kStripe},
    {.name = "DateTxt", .kind = tk::MakeLabel(), .bind = Bind<&TMainForm::DateTxt>, .bounds = {24, 50, 0, 0}, .textId = lang::DateText, .labelFor = "DateTimePickerDate"},
    {.name = "TimeTxt", .kind = tk::MakeLabel(), .bind = Bind<&TMainForm::TimeTxt>, .bounds = {136, 50, 0, 0}, .textId = lang::TimeText, .labelFor = "DateTimePickerTime"},
    {.name = "DateTimePickerDate", .kind = tk::MakeDateTimePicker({.kind = tk::PickerKind::Date}), .bind = Bind<&TMainForm::DateTimePickerDate>,
     .bounds = {24, 64, 105, 21}, .cursor = CursorKind::Hand, .tabSlot = 2, .onChange = Call<&TMainForm::TimerTargetEdited>},
    {.name = "DateTimePickerTime", .kind = tk::MakeDateTimePicker({.kind = tk::PickerKind::Time}), .bind = Bind<&TMainForm::DateTimePickerTime>,
     .bounds = {136, 64, 105, 21}, .cursor = CursorKind::Text, .tabSlot = 3, .onChange = Call<&TMainForm::TimerTargetEdited>},
    {.name = "Bevel6", .kind = Frame(), .bind = Bind<&TMainForm::Bevel6>, .bounds = {16, 104, 233, 65}},
    {.name = "RadioButtonCounter", .kind = ui::MakeBitCheckBox(ui::CheckBoxPictures::Radio), .bind = Bind<&TMainForm::RadioButtonCounter>,
     .bounds = kHeader, .textId = lang::TimeCountdown, .cursor = CursorKind::Hand, .tabSlot = 4,
     .header = {.frame = "Bevel6", .stripe = "Shape4"}, .onClick = Call<&TMainForm::RadioButtonCounterEdited>},
    {.name = "Shape4", .kind = Stripe(), .bind = Bind<&TMainForm::Shape4>, .bounds = kStripe},
    {.name = "PlDaysTxt", .kind = tk::MakeLabel(), .bind = Bind<&TMainForm::PlDaysTxt>, .bounds = {24, 122, 0, 0}, .textId = lang::PlDaysText, .labelFor = "DaysComboBox"},
    {.name = "PlTimeTxt", .kind = tk::MakeLabel(), .bind = Bind<&TMainForm::PlTimeTxt>, .bounds = {136, 122, 0, 0}, .textId = lang::PlTimeText, .labelFor = "DateTimePickerReverseTime"},
    {.name = "DaysComboBox", .kind = ShortList(), .bind = Bind<&TMainForm::DaysComboBox>,
     .bounds = {24, 136, 105, 21}, .cursor = CursorKind::Hand, .tabSlot = 5, .onChange = Call<&TMainForm::TimerTargetEdited>},
    // A span of hours, minutes and seconds, not a time of day: always 24-hour.
    {.name = "DateTimePickerReverseTime", .kind = tk::MakeDateTimePicker({.kind = tk::PickerKind::Time, .format = "HH':'mm':'ss"}),
     .bind = Bind<&TMainForm::DateTimePickerReverseTime>, .bounds = {136, 136, 106, 21}, .cursor = CursorKind::Text, .tabSlot = 6,
     .onChange = Call<&TMainForm::TimerTargetEdited>},
    {.name = "CurrentTimeTxt", .kind = tk::MakeLabel(), .bind = Bind<&TMainForm::CurrentTimeTxt>, .bounds = {21, 176, 0, 0}, .textId = lang::CurrentTimeText},
    {.name = "CurrTimeLabel", .kind = TimeValue(), .bind = Bind<&TMainForm::CurrTimeLabel>, .bounds = {kTimeValueLeft, 176, 0, 0}},
    {.name = "TimeActionLabel", .kind = tk::MakeLabel(), .bind = Bind<&TMainForm::TimeActionLabel>, .bounds = {21, 192, 0, 0}},
    {.name = "PowerOffTimeLabel", .kind = TimeValue(), .bind = Bind<&TMainForm::PowerOffTimeLabel>, .bounds = {kTimeValueLeft, 192, 0, 0}},
    {.name = "AttemptLabel", .kind = tk::MakeLabel({.autoSize = false}), .bind = Bind<&TMainForm::AttemptLabel>,
     .bounds = {10, 215, 87, 10}, .font = kSmallFonts},

    // Command buttons
    {.name = "NetTimeSpeedButton", .kind = ui::MakeXiButton(), .bind = Bind<&TMainForm::NetTimeSpeedButton>,
     .bounds = {8, 224, 49, 25}, .textId = lang::ButtonSync, .cursor = CursorKind::Hand, .tabSlot = 13, .action = "ActionClock"},
    {.name = "AboutSpeedButton", .kind = ui::MakeXiButton(), .bind = Bind<&TMainForm::AboutSpeedButton>,
     .bounds = {63, 224, 34, 25}, .textId = lang::ButtonAbout, .cursor = CursorKind::Hand, .tabSlot = 14, .action = "ActionAbout"},
    {.name = "PowerSpeedButton", .kind = ui::MakeXiButton(), .bind = Bind<&TMainForm::PowerSpeedButton>,
     .bounds = {104, 224, 89, 25}, .textId = lang::ButtonExecute, .cursor = CursorKind::Hand, .tabSlot = 15, .action = "ActionPower"},
    {.name = "CloseSpeedButton", .kind = ui::MakeXiButton(), .bind = Bind<&TMainForm::CloseSpeedButton>,
     .bounds = {200, 224, 58, 25}, .textId = lang::ButtonClose, .cursor = CursorKind::Hand, .tabSlot = 16, .action = "ActionClose"},

    // Media-player group
    {.name = "Bevel3", .kind = Frame(), .bind = Bind<&TMainForm::Bevel3>, .bounds = {264, 8, 249, 65}},
    {.name = "CheckBoxWinAmp", .kind = ui::MakeBitCheckBox(ui::CheckBoxPictures::Box), .bind = Bind<&TMainForm::CheckBoxWinAmp>,
     .bounds = kHeader, .cursor = CursorKind::Hand, .tabSlot = 7, .header = {.frame = "Bevel3", .stripe = "Shape2", .separator = "Bevel4"},
     .onClick = Call<&TMainForm::CheckBoxWinAmpClick>},
    {.name = "Bevel4", .kind = Separator(), .bind = Bind<&TMainForm::Bevel4>, .bounds = kSeparator},
    {.name = "Shape2", .kind = Stripe(), .bind = Bind<&TMainForm::Shape2>, .bounds = kStripe},
    {.name = "CurrentSongTxt", .kind = tk::MakeLabel(), .bind = Bind<&TMainForm::CurrentSongTxt>, .bounds = {280, 32, 0, 0}, .textId = lang::CurrentSongText},
    {.name = "CurrTrack", .kind = tk::MakeLabel(), .bind = Bind<&TMainForm::CurrTrack>, .bounds = {384, 32, 0, 0}, .font = kBold},
    {.name = "PlaylistPosTxt", .kind = tk::MakeLabel(), .bind = Bind<&TMainForm::PlaylistPosTxt>, .bounds = {280, 48, 0, 0}, .textId = lang::PlaylistPosText},
    {.name = "SongsList", .kind = tk::MakeLabel(), .bind = Bind<&TMainForm::SongsList>, .bounds = {384, 48, 0, 0}, .font = kBold},

    // Processor-load group
    {.name = "Bevel7", .kind = Frame(), .bind = Bind<&TMainForm::Bevel7>, .bounds = {264, 80, 249, 113}},
    {.name = "CheckBoxCPU", .kind = ui::MakeBitCheckBox(ui::CheckBoxPictures::Box), .bind = Bind<&TMainForm::CheckBoxCPU>,
     .bounds = kHeader, .cursor = CursorKind::Hand, .tabSlot = 8, .header = {.frame = "Bevel7", .stripe = "Shape5", .separator = "Bevel8"}},
    {.name = "Bevel8", .kind = Separator(), .bind = Bind<&TMainForm::Bevel8>, .bounds = kSeparator},
    {.name = "Shape5", .kind = Stripe(), .bind = Bind<&TMainForm::Shape5>, .bounds = kStripe},
    {.name = "AvCPULoadTxt", .kind = tk::MakeLabel(), .bind = Bind<&TMainForm::AvCPULoadTxt>, .bounds = {272, 99, 0, 0}, .textId = lang::AvCPULoadText, .labelFor = "ComboBoxCPULoad"},
    {.name = "OverTimeTxt", .kind = tk::MakeLabel(), .bind = Bind<&TMainForm::OverTimeTxt>, .bounds = {400, 99, 0, 0}, .textId = lang::OverTimeText, .labelFor = "ComboBoxCPULoadTime"},
    {.name = "ComboBoxCPULoad", .kind = ShortList(), .bind = Bind<&TMainForm::ComboBoxCPULoad>,
     .bounds = {272, 113, 105, 21}, .cursor = CursorKind::Hand, .tabSlot = 9, .onChange = Call<&TMainForm::SystemTimePingTimerTimer>},
    {.name = "ComboBoxCPULoadTime", .kind = ShortList(), .bind = Bind<&TMainForm::ComboBoxCPULoadTime>,
     .bounds = {400, 113, 105, 21}, .cursor = CursorKind::Hand, .tabSlot = 10,
     .onCloseUp = Call<&TMainForm::ComboBoxCPULoadTimeCloseUp>, .onKeyPress = tk::CallKey<&TMainForm::ComboBoxCPULoadTimeKeyPress>},
    {.name = "CurCPULoadTxt", .kind = tk::MakeLabel(), .bind = Bind<&TMainForm::CurCPULoadTxt>, .bounds = {272, 135, 0, 0}, .textId = lang::CurCPULoadText, .labelFor = "ProgressBarCPUCurrent"},
    {.name = "LabelCPUCurrent", .kind = tk::MakeLabel(), .bind = Bind<&TMainForm::LabelCPUCurrent>, .bounds = {464, 135, 0, 0}, .font = kBold},
    {.name = "ProgressBarCPUCurrent", .kind = LoadBar(), .bind = Bind<&TMainForm::ProgressBarCPUCurrent>, .bounds = {272, 149, 233, 9}},
    {.name = "AvCPUloadLevTxt", .kind = tk::MakeLabel(), .bind = Bind<&TMainForm::AvCPUloadLevTxt>, .bounds = {272, 159, 0, 0}, .textId = lang::AvCPULoadLevText, .labelFor = "ProgressBarCPUByTime"},
    {.name = "LabelCPUByTime", .kind = tk::MakeLabel(), .bind = Bind<&TMainForm::LabelCPUByTime>, .bounds = {464, 159, 0, 0}, .font = kBold},
    {.name = "ProgressBarCPUByTime", .kind = LoadBar(), .bind = Bind<&TMainForm::ProgressBarCPUByTime>, .bounds = {272, 173, 233, 9}},

    // Action and skin
    {.name = "Bevel9", .kind = Frame(), .bind = Bind<&TMainForm::Bevel9>, .bounds = {264, 200, 121, 49}},
    {.name = "ActTxt", .kind = HeaderLabel(), .bind = Bind<&TMainForm::ActTxt>, .bounds = kHeaderLabel, .textId = lang::ActText,
     .header = {.frame = "Bevel9", .separator = "Bevel11"}, .labelFor = "ActionComboBox"},
    {.name = "Bevel11", .kind = Separator(), .bind = Bind<&TMainForm::Bevel11>, .bounds = kSeparator},
    {.name = "ActionComboBox", .kind = List(), .bind = Bind<&TMainForm::ActionComboBox>,
     .bounds = {272, 221, 105, 21}, .cursor = CursorKind::Hand, .tabSlot = 11, .onSelect = Call<&TMainForm::ActionComboBoxSelect>},
    {.name = "Bevel10", .kind = Frame(), .bind = Bind<&TMainForm::Bevel10>, .bounds = {392, 200, 121, 49}},
    {.name = "SkinTxt", .kind = HeaderLabel(), .bind = Bind<&TMainForm::SkinTxt>, .bounds = kHeaderLabel, .textId = lang::SkinText,
     .header = {.frame = "Bevel10", .separator = "Bevel12"}, .labelFor = "SkinComboBox"},
    {.name = "Bevel12", .kind = Separator(), .bind = Bind<&TMainForm::Bevel12>, .bounds = kSeparator},
    {.name = "SkinComboBox", .kind = List(), .bind = Bind<&TMainForm::SkinComboBox>,
     .bounds = {400, 221, 105, 21}, .cursor = CursorKind::Hand, .tabSlot = 12, .onSelect = Call<&TMainForm::SkinComboBoxSelect>},

    // Network-quiet group, in the processor-load group's style
    {.name = "Bevel13", .kind = Frame(), .bind = Bind<&TMainForm::Bevel13>, .bounds = {8, 256, 249, 113}},
    {.name = "CheckBoxNet", .kind = ui::MakeBitCheckBox(ui::CheckBoxPictures::Box), .bind = Bind<&TMainForm::CheckBoxNet>,
     .bounds = kHeader, .cursor = CursorKind::Hand, .tabSlot = 17, .header = {.frame = "Bevel13", .stripe = "Shape6", .separator = "Bevel14"},
     .onClick = Call<&TMainForm::CheckBoxNetClick>},
    {.name = "Bevel14", .kind = Separator(), .bind = Bind<&TMainForm::Bevel14>, .bounds = kSeparator},
    {.name = "Shape6", .kind = Stripe(), .bind = Bind<&TMainForm::Shape6>, .bounds = kStripe},
    {.name = "NetLevelTxt", .kind = tk::MakeLabel(), .bind = Bind<&TMainForm::NetLevelTxt>, .bounds = {16, 275, 0, 0}, .textId = lang::NetLevelText, .labelFor = "ComboBoxNetLevel"},
    {.name = "NetTimeTxt", .kind = tk::MakeLabel(), .bind = Bind<&TMainForm::NetTimeTxt>, .bounds = {144, 275, 0, 0}, .textId = lang::OverTimeText, .labelFor = "ComboBoxNetTime"},
    {.name = "ComboBoxNetLevel", .kind = ShortList(), .bind = Bind<&TMainForm::ComboBoxNetLevel>,
     .bounds = {16, 289, 105, 21}, .cursor = CursorKind::Hand, .tabSlot = 18, .onChange = Call<&TMainForm::SystemTimePingTimerTimer>},
    {.name = "ComboBoxNetTime", .kind = ShortList(), .bind = Bind<&TMainForm::ComboBoxNetTime>,
     .bounds = {144, 289, 105, 21}, .cursor = CursorKind::Hand, .tabSlot = 19, .onChange = Call<&TMainForm::SystemTimePingTimerTimer>},
    {.name = "NetAdapterTxt", .kind = tk::MakeLabel(), .bind = Bind<&TMainForm::NetAdapterTxt>, .bounds = {16, 315, 0, 0}, .textId = lang::NetAdapterText, .labelFor = "ComboBoxNetAdapter"},
    {.name = "ComboBoxNetAdapter", .kind = ShortList(), .bind = Bind<&TMainForm::ComboBoxNetAdapter>,
     .bounds = {64, 311, 185, 21}, .cursor = CursorKind::Hand, .tabSlot = 20,
     .onSelect = Call<&TMainForm::SystemTimePingTimerTimer>, .onDropDown = Call<&TMainForm::ComboBoxNetAdapterDropDown>},
    {.name = "AvNetTxt", .kind = tk::MakeLabel(), .bind = Bind<&TMainForm::AvNetTxt>, .bounds = {16, 335, 0, 0}, .textId = lang::NetAverageText, .labelFor = "ProgressBarNetByTime"},
    {.name = "LabelNetByTime", .kind = tk::MakeLabel(), .bind = Bind<&TMainForm::LabelNetByTime>, .bounds = {168, 335, 0, 0}, .font = kBold},
    {.name = "ProgressBarNetByTime", .kind = LoadBar(), .bind = Bind<&TMainForm::ProgressBarNetByTime>, .bounds = {16, 349, 233, 9}},

    // Program-closes group
    {.name = "BevelProgram", .kind = Frame(), .bind = Bind<&TMainForm::BevelProgram>, .bounds = {264, 256, 249, 113}},
    {.name = "CheckBoxProgram", .kind = ui::MakeBitCheckBox(ui::CheckBoxPictures::Box), .bind = Bind<&TMainForm::CheckBoxProgram>,
     .bounds = kHeader, .cursor = CursorKind::Hand, .tabSlot = 21,
     .header = {.frame = "BevelProgram", .stripe = "ShapeProgram", .separator = "BevelProgramLine"},
     .onClick = Call<&TMainForm::CheckBoxProgramClick>},
    {.name = "BevelProgramLine", .kind = Separator(), .bind = Bind<&TMainForm::BevelProgramLine>, .bounds = kSeparator},
    {.name = "ShapeProgram", .kind = Stripe(), .bind = Bind<&TMainForm::ShapeProgram>, .bounds = kStripe},
    {.name = "ProgramTxt", .kind = tk::MakeLabel(), .bind = Bind<&TMainForm::ProgramTxt>, .bounds = {272, 275, 0, 0}, .textId = lang::ProgramLabel, .labelFor = "ComboBoxProgram"},
    {.name = "ComboBoxProgram", .kind = List(), .bind = Bind<&TMainForm::ComboBoxProgram>,
     .bounds = {272, 289, 233, 21}, .cursor = CursorKind::Hand, .tabSlot = 22,
     .onSelect = Call<&TMainForm::ComboBoxProgramSelect>, .onDropDown = Call<&TMainForm::ComboBoxProgramDropDown>},
    {.name = "LabelProgramStatus", .kind = tk::MakeLabel(), .bind = Bind<&TMainForm::LabelProgramStatus>, .bounds = {272, 319, 0, 0}, .font = kBold},
};
// clang-format on

} // namespace

const tk::FormDescription& TMainForm::Description() {
    static const tk::FormDescription description{
        .form = {.name = "MainForm",
                 .clientWidth = kClientWidth,
                 .clientHeight = kClientHeight,
                 .border = tk::FormBorder::Single,
                 .minimizeBox = true,
                 .snapToEdges = true},
        .actions = kActions,
        .controls = kControls,
    };
    return description;
}
