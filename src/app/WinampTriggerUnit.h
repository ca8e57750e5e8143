#pragma once
// The media-player trigger bound to its controls: the check box, its two
// labels and its own half-second poll timer, which runs while it is armed,
// shown or hidden, so the tick has nothing to do for it.
#include <memory>

#include "app/TriggerUnit.h"

class TMainForm;
namespace monitors {
class WinampLink;
} // namespace monitors

class WinampTriggerUnit final : public TriggerUnit {
public:
    WinampTriggerUnit(TMainForm& form, const std::shared_ptr<monitors::WinampLink>& link)
        : form_(form), link_(link) {}

    bool Armed() const override;
    TriggerVerdict Run(const TickRun&) override { return TriggerVerdict::Skipped; }
    WaitNeed HiddenNeed(core::TDateTime) override { return WaitNeed::Nothing(); }
    std::string Describe(core::TDateTime now) const override;

    // The box was clicked: arm if the player plays, else untick and say why.
    void BoxClicked();
    // One poll of the player.
    void Poll();
    void ResetLabels();

private:
    // Before any message or request: no second poll runs while a dialog is open.
    void Disarm() override;

    TMainForm& form_;
    const std::shared_ptr<monitors::WinampLink>& link_;
};
