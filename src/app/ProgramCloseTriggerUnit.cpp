#include "app/ProgramCloseTriggerUnit.h"

#include "app/ProgramCloseTexts.h"
#include "toolkit/ComboBox.h"
#include "toolkit/GraphicControls.h"
#include "toolkit/Texts.h"
#include "toolkit/WideText.h"
#include "ui/BtChkBox.h"
#include "ui/lang.h"

namespace {

std::string WithName(unsigned textId, const std::string& name) {
    return FillIn(tk::LoadText(textId), tk::AnsiFromUtf8(name));
}

monitors::ProgramChoice EveryProcessOf(const std::string& name) { return {name, std::nullopt}; }

} // namespace

ProgramCloseTriggerUnit::ProgramCloseTriggerUnit(ProgramCloseControls controls, ProgramCloseServices services)
    : c_(controls),
      services_(std::move(services)),
      watch_(services_.window, services_.message, services_.processes) {
    ShowStatus();
}

std::string ProgramCloseTriggerUnit::Describe(core::TDateTime /*now*/) const {
    return WithName(lang::TriggerProgramLine, choice_.name);
}

std::string ProgramCloseTriggerUnit::Arm() {
    if (choice_.name.empty()) return tk::LoadText(lang::ProgramNoneChosen);
    switch (watch_.Arm(choice_)) {
    case monitors::ProgramArming::Armed: return {};
    case monitors::ProgramArming::NotRunning: return WithName(lang::ProgramNotRunning, choice_.name);
    case monitors::ProgramArming::CannotWatch: break;
    }
    return WithName(lang::ProgramCannotWatch, choice_.name);
}

std::string ProgramCloseTriggerUnit::ClickRefusal() {
    std::string refusal;
    if (c_.box.Checked()) {
        refusal = Arm();
        if (!refusal.empty()) c_.box.SetChecked(false);
    } else {
        watch_.Disarm();
    }
    ShowStatus();
    return refusal;
}

void ProgramCloseTriggerUnit::Disarm() {
    c_.box.SetChecked(false);
    watch_.Disarm();
    ShowStatus();
}

void ProgramCloseTriggerUnit::BoxClick() {
    const std::string refusal = ClickRefusal();
    if (!refusal.empty()) services_.showMessage(refusal);
}

std::string ProgramCloseTriggerUnit::ToggleByName(const std::string& executable) {
    SetName(executable);
    c_.box.Toggle();
    return ClickRefusal();
}

void ProgramCloseTriggerUnit::SetName(const std::string& executable) {
    choice_ = EveryProcessOf(executable);
    if (executable.empty())
        Offer({}, {});
    else
        Offer({choice_}, {WithName(lang::ProgramEveryProcess, executable)});
}

void ProgramCloseTriggerUnit::ListDropDown() {
    std::vector<monitors::ProgramChoice> choices;
    std::vector<std::string> texts;
    if (!choice_.name.empty()) {
        choices.push_back(EveryProcessOf(choice_.name));
        texts.push_back(WithName(lang::ProgramEveryProcess, choice_.name));
    }
    for (const monitors::UserProgram& p : services_.programs()) {
        choices.push_back({p.name, p.id});
        texts.push_back(tk::AnsiFromUtf8(ProgramItemText(p.title, p.name)));
    }
    Offer(std::move(choices), texts);
}

void ProgramCloseTriggerUnit::Offer(std::vector<monitors::ProgramChoice> choices,
                                    const std::vector<std::string>& texts) {
    offered_ = std::move(choices);
    c_.list.Clear();
    int selected = -1;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        c_.list.AddItem(texts[i]);
        const monitors::ProgramChoice& o = offered_[i];
        if (selected < 0 && o.name == choice_.name && o.chosen == choice_.chosen)
            selected = static_cast<int>(i);
    }
    c_.list.SetItemIndex(selected);
}

void ProgramCloseTriggerUnit::ListSelect() {
    const int item = c_.list.ItemIndex();
    if (item < 0 || static_cast<std::size_t>(item) >= offered_.size()) return;
    choice_ = offered_[static_cast<std::size_t>(item)];
    if (c_.box.Checked()) BoxClick();
}

void ProgramCloseTriggerUnit::WatchEnded(WPARAM watch) {
    switch (watch_.WatchEnded(watch)) {
    case monitors::ProgramWatchEvent::Stale: return;
    case monitors::ProgramWatchEvent::Waiting: break;
    case monitors::ProgramWatchEvent::Due:
        c_.box.SetChecked(false);
        ShowStatus();
        services_.requestAction();
        return;
    case monitors::ProgramWatchEvent::Lost:
        c_.box.SetChecked(false);
        ShowStatus();
        services_.showMessage(WithName(lang::ProgramLost, choice_.name));
        return;
    }
    ShowStatus();
}

void ProgramCloseTriggerUnit::ShowStatus() {
    const WaitingTexts texts{tk::LoadText(lang::ProgramNotWaiting), tk::LoadText(lang::ProgramWaitingOne),
                             tk::LoadText(lang::ProgramWaitingMany)};
    c_.status.SetCaption(WaitingText(watch_.Watched(), texts));
}
