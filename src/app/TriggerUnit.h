#pragma once
// One trigger as the scheduler tick sees it: it reads its own controls, says
// whether it fires, states what it needs while the window is hidden and
// describes itself in one line. A new trigger is one more unit in the
// window's list; the tick and the hidden-wait planning ask every unit alike.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/TickPlan.h"
#include "core/DateTime.h"

struct TickRun {
    core::TDateTime now = 0;    // read once for the whole run
    bool shown = true;          // hidden in the notification area, nothing is shown
    std::uint64_t steadyMs = 0; // the steady clock, read with `now`
};

enum class TriggerVerdict {
    Skipped, // the unit had nothing to do on this run
    Quiet,   // it looked and does not fire
    Due,     // it fired: its box is unticked and the caller requests the action
};

class TriggerUnit {
public:
    virtual ~TriggerUnit() = default;

    virtual bool Armed() const = 0;
    // One run of the tick, on the window thread. May throw; the tick reports
    // a unit's failure once until the unit runs cleanly again.
    virtual TriggerVerdict Run(const TickRun& run) = 0;
    // Hidden, what runs the unit needs. Event-driven units need none: they
    // wake the tick from their own thread (TMainForm::WakeTick) instead.
    virtual WaitNeed HiddenNeed(core::TDateTime now) = 0;
    // The window is shown again after hidden runs.
    virtual void Restored(core::TDateTime /*now*/) {}
    // What the armed unit waits for, in one line (the tray's tip lists them).
    virtual std::string Describe(core::TDateTime now) const = 0;
    // Unticks the unit's box and stops whatever it watches with.
    virtual void Disarm() = 0;
};

// The window's triggers in the order the tick asks them.
class TriggerUnits {
public:
    void Add(std::unique_ptr<TriggerUnit> unit) { units_.push_back({std::move(unit), false}); }

    struct Outcome {
        int due = 0;                     // action requests to post
        std::vector<std::string> errors; // failures not reported before
    };
    // Asks every unit in turn; a failing unit does not keep the others from running.
    Outcome RunAll(const TickRun& run);

    std::vector<WaitNeed> HiddenNeeds(core::TDateTime now);
    void Restored(core::TDateTime now);
    // One line per armed unit.
    std::vector<std::string> Describe(core::TDateTime now) const;
    bool AnyArmed() const;
    void DisarmAll();

private:
    struct Entry {
        std::unique_ptr<TriggerUnit> unit;
        bool errorReported;
    };
    std::vector<Entry> units_;
};
