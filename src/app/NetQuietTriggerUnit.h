#pragma once
// The network-quiet trigger bound to its controls: the check box, the level,
// window and adapter lists, and the average with its bar. Its lists hold
// values (KB/s, seconds, the adapter's name), which the settings file and
// the command line give and take as they are.
#include <optional>
#include <string>
#include <utility>

#include "app/NetQuietTrigger.h"
#include "app/TriggerUnit.h"

class TMainForm;

class NetQuietTriggerUnit final : public TriggerUnit {
public:
    // `read` lists the adapters when the list opens; the tick's readings come from `source`.
    NetQuietTriggerUnit(TMainForm& form, const AdapterReader& read, AdapterSource source)
        : form_(form), read_(read), trigger_(std::move(source)) {}

    bool Armed() const override;
    TriggerVerdict Run(const TickRun& run) override;
    void Disarm() override;
    WaitNeed HiddenNeed(core::TDateTime now) override;
    std::string Describe(core::TDateTime now) const override;

    // The lists' items and defaults, once at start.
    void FillLists();
    // The adapters that are up now, keeping the choice even when its adapter is gone.
    void FillAdapters();
    // The box was clicked: armed, it needs a whole window of quiet from now on.
    void BoxClicked();

    // A value not in its list leaves the list as it is; an adapter not there
    // is added. An empty name means every adapter that is up but loopback.
    void SelectLevel(int kbPerSecond);
    void SelectWindow(int seconds);
    void SelectAdapter(const std::string& name);
    NetQuietSettings Settings() const;

private:
    void ShowAverage(std::optional<double> averageKB, int levelKB);

    TMainForm& form_;
    const AdapterReader& read_;
    NetQuietTrigger trigger_;
};
