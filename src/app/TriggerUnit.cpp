#include "app/TriggerUnit.h"

#include <exception>

TriggerUnits::Outcome TriggerUnits::RunAll(const TickRun& run) {
    Outcome outcome;
    for (Entry& e : units_) {
        try {
            const TriggerVerdict verdict = e.unit->Run(run);
            if (verdict == TriggerVerdict::Skipped) continue;
            e.errorReported = false;
            if (verdict == TriggerVerdict::Due) ++outcome.due;
        } catch (const std::exception& error) {
            if (!e.errorReported) outcome.errors.emplace_back(error.what());
            e.errorReported = true;
        }
    }
    return outcome;
}

std::vector<WaitNeed> TriggerUnits::HiddenNeeds(core::TDateTime now) {
    std::vector<WaitNeed> needs;
    needs.reserve(units_.size());
    for (Entry& e : units_) needs.push_back(e.unit->HiddenNeed(now));
    return needs;
}

void TriggerUnits::Restored(core::TDateTime now) {
    for (Entry& e : units_) e.unit->Restored(now);
}

std::vector<std::string> TriggerUnits::Describe(core::TDateTime now) const {
    std::vector<std::string> lines;
    for (const Entry& e : units_)
        if (e.unit->Armed()) lines.push_back(e.unit->Describe(now));
    return lines;
}

bool TriggerUnits::AnyArmed() const {
    for (const Entry& e : units_)
        if (e.unit->Armed()) return true;
    return false;
}

void TriggerUnits::DisarmAll() {
    for (Entry& e : units_)
        if (e.unit->Armed()) e.unit->Disarm();
}
