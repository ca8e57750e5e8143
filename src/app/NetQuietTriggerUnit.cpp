#include "app/NetQuietTriggerUnit.h"

#include <algorithm>
#include <array>
#include <string>

#include "app/ListRanges.h"
#include "app/MainForm.h"
#include "core/AsciiText.h"
#include "toolkit/Texts.h"
#include "ui/BtChkBox.h"
#include "ui/XiProgressBar.h"
#include "ui/lang.h"

namespace {

// The adapter list's first items; the adapters' own names follow.
constexpr int kAllAdaptersItem = 0;
constexpr int kLoopbackItem = 1;

template <std::size_t N>
int ItemOf(const std::array<int, N>& items, int value) {
    const auto found = std::find(items.begin(), items.end(), value);
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

template <std::size_t N>
int ValueAt(const std::array<int, N>& items, int item, int fallback) {
    return item >= 0 && static_cast<std::size_t>(item) < N ? items[static_cast<std::size_t>(item)] : fallback;
}

} // namespace

bool NetQuietTriggerUnit::Armed() const { return form_.CheckBoxNet->Checked(); }

void NetQuietTriggerUnit::Disarm() { form_.CheckBoxNet->SetChecked(false); }

TriggerVerdict NetQuietTriggerUnit::Run(const TickRun& run) {
    // Hidden, the adapters are read only for the armed trigger.
    if (!run.shown && !Armed()) return TriggerVerdict::Skipped;
    const NetQuietSettings settings = Settings();
    const NetQuietVerdict verdict = trigger_.Tick(settings, run.steadyMs);
    if (run.shown && verdict.sampled) ShowAverage(verdict.averageKB, settings.levelKB);
    if (!verdict.due) return TriggerVerdict::Quiet;
    form_.CheckBoxNet->SetChecked(false);
    return TriggerVerdict::Due;
}

WaitNeed NetQuietTriggerUnit::HiddenNeed(core::TDateTime /*now*/) {
    // A gap without readings starts the window over by itself, so a restored
    // window needs nothing more.
    if (!Armed()) return WaitNeed::Nothing();
    return WaitNeed::SampleEvery(netquiet::NetQuietWindow::kSampleIntervalMs);
}

std::string NetQuietTriggerUnit::Describe(core::TDateTime /*now*/) const {
    return tk::LoadText(lang::TriggerNetLine) + std::to_string(Settings().levelKB) + " " +
           tk::LoadText(lang::NetRateUnit);
}

void NetQuietTriggerUnit::FillLists() {
    for (const int level : lists::kNetLevels) form_.ComboBoxNetLevel->AddItem(std::to_string(level));
    for (const int seconds : lists::kNetWindows) form_.ComboBoxNetTime->AddItem(std::to_string(seconds));
    SelectLevel(lists::kDefaultNetLevel);
    SelectWindow(lists::kDefaultNetWindow);
    FillAdapters();
    ShowAverage(std::nullopt, lists::kDefaultNetLevel);
}

void NetQuietTriggerUnit::FillAdapters() {
    tk::ComboBox& list = *form_.ComboBoxNetAdapter;
    const std::string chosen = Settings().adapter;
    list.Clear();
    list.AddItem(tk::LoadText(lang::NetAllAdapters));
    list.AddItem(std::string(monitors::kLoopbackChoice));
    if (const auto rows = read_ ? read_() : std::nullopt)
        for (const std::string& name : monitors::AdapterNames(*rows)) list.AddItem(name);
    SelectAdapter(chosen);
}

void NetQuietTriggerUnit::BoxClicked() {
    if (Armed()) trigger_.Arm();
    form_.SystemTimePingTimerTimer();
}

void NetQuietTriggerUnit::SelectLevel(int kbPerSecond) {
    const int item = ItemOf(lists::kNetLevels, kbPerSecond);
    if (item >= 0) form_.ComboBoxNetLevel->SetItemIndex(item);
}

void NetQuietTriggerUnit::SelectWindow(int seconds) {
    const int item = ItemOf(lists::kNetWindows, seconds);
    if (item >= 0) form_.ComboBoxNetTime->SetItemIndex(item);
}

void NetQuietTriggerUnit::SelectAdapter(const std::string& name) {
    tk::ComboBox& list = *form_.ComboBoxNetAdapter;
    if (name.empty()) {
        list.SetItemIndex(kAllAdaptersItem);
        return;
    }
    for (int i = kLoopbackItem; i < list.ItemCount(); ++i) {
        if (core::SameTextIgnoringCase(list.Item(i), name)) {
            list.SetItemIndex(i);
            return;
        }
    }
    list.AddItem(name);
    list.SetItemIndex(list.ItemCount() - 1);
}

NetQuietSettings NetQuietTriggerUnit::Settings() const {
    NetQuietSettings settings;
    settings.armed = Armed();
    settings.levelKB =
        ValueAt(lists::kNetLevels, form_.ComboBoxNetLevel->ItemIndex(), lists::kDefaultNetLevel);
    settings.seconds =
        ValueAt(lists::kNetWindows, form_.ComboBoxNetTime->ItemIndex(), lists::kDefaultNetWindow);
    const int adapter = form_.ComboBoxNetAdapter->ItemIndex();
    if (adapter > kAllAdaptersItem) settings.adapter = form_.ComboBoxNetAdapter->Item(adapter);
    return settings;
}

// The bar repaints at once when its position is set and takes the label along.
void NetQuietTriggerUnit::ShowAverage(std::optional<double> averageKB, int levelKB) {
    form_.LabelNetByTime->SetCaption(
        NetRateText(averageKB, form_.Formats().DecimalSeparator, tk::LoadText(lang::NetRateUnit)));
    const int position = NetBarPosition(averageKB, levelKB);
    if (form_.ProgressBarNetByTime->Position() != position) form_.ProgressBarNetByTime->SetPosition(position);
}
