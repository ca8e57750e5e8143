#pragma once
// Sets the scheduler tick's timer to what the trigger units need: every
// 250 ms while shown, and hidden only as often as some unit needs a run.
#include "app/TriggerUnit.h"

namespace tk {
class TAsyncTimer;
}

class TickScheduler {
public:
    TickScheduler(tk::TAsyncTimer& tick, TriggerUnits& units) : tick_(tick), units_(units) {}

    // After every hidden run and on hiding or restoring.
    void Plan(core::TDateTime now, bool shown);

private:
    tk::TAsyncTimer& tick_;
    TriggerUnits& units_;
};
