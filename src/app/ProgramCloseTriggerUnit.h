#pragma once
// The program-closes trigger bound to its controls: the header box arms and
// disarms it, the list chooses the program (filled anew each time it opens),
// the status label tells how many processes it waits for. It needs no tick,
// shown or hidden: the watch posts a message to the window when the
// processes have ended.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/TriggerUnit.h"
#include "monitors/ProgramCloseWatch.h"
#include "monitors/UserPrograms.h"

namespace tk {
class ComboBox;
class Label;
} // namespace tk
namespace ui {
class TBitCheckBox;
} // namespace ui

struct ProgramCloseControls {
    ui::TBitCheckBox& box;
    tk::ComboBox& list;
    tk::Label& status;
};

// What the trigger needs of the window and of the system.
struct ProgramCloseServices {
    HWND window = nullptr; // where the watch posts `message`
    UINT message = 0;
    std::function<void()> requestAction; // the trigger fired
    std::function<void(const std::string&)> showMessage;
    monitors::ProcessAccess processes{};
    std::function<std::vector<monitors::UserProgram>()> programs = monitors::UserPrograms;
};

class ProgramCloseTriggerUnit final : public TriggerUnit {
public:
    ProgramCloseTriggerUnit(ProgramCloseControls controls, ProgramCloseServices services);

    bool Armed() const override { return watch_.Armed(); }
    TriggerVerdict Run(const TickRun&) override { return TriggerVerdict::Skipped; }
    WaitNeed HiddenNeed(core::TDateTime) override { return WaitNeed::Nothing(); }
    std::string Describe(core::TDateTime now) const override;
    void Disarm() override;

    // The box's click: arms, or unticks it again and shows why not; or disarms.
    void BoxClick();
    // The list is about to open: the by-name entry, then the programs running now.
    void ListDropDown();
    // A new choice; an armed trigger waits for it from now on, or says why it cannot.
    void ListSelect();
    // The watch's message has come.
    void WatchEnded(WPARAM watch);
    // The command line: every process of `executable` is chosen, the box
    // toggled and the click run. Gives why arming was refused rather than showing it.
    std::string ToggleByName(const std::string& executable);

    // The executable chosen last, UTF-8, as the settings keep it. Setting it
    // offers every process of that name.
    const std::string& Name() const { return choice_.name; }
    void SetName(const std::string& executable);

    std::size_t Watched() const { return watch_.Watched(); }

private:
    std::string Arm();          // empty when armed, else why not
    std::string ClickRefusal(); // the click's work; the refusal not shown yet
    void Offer(std::vector<monitors::ProgramChoice> choices, const std::vector<std::string>& texts);
    void ShowStatus();

    ProgramCloseControls c_;
    ProgramCloseServices services_;
    monitors::ProgramCloseWatch watch_;
    monitors::ProgramChoice choice_;
    std::vector<monitors::ProgramChoice> offered_; // one per list item
};
