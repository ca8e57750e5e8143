// The tick's list of trigger units: every unit is asked on every run, and a
// failing unit is reported once until it runs cleanly again.
#include "app/TriggerUnit.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// A unit that answers each run with the next step of its script; 'F' fails.
class ScriptedUnit final : public TriggerUnit {
public:
    explicit ScriptedUnit(std::string script) : script_(std::move(script)) {}
    bool Armed() const override { return true; }
    TriggerVerdict Run(const TickRun&) override {
        const char step = script_.at(run_++);
        if (step == 'F') throw std::runtime_error("sample failed");
        return step == 'D'   ? TriggerVerdict::Due
               : step == 'S' ? TriggerVerdict::Skipped
                             : TriggerVerdict::Quiet;
    }
    WaitNeed HiddenNeed(core::TDateTime) override { return WaitNeed::Nothing(); }
    std::string Describe(core::TDateTime) const override { return script_; }
    void Disarm() override {}

private:
    std::string script_;
    std::size_t run_ = 0;
};

TEST(TriggerUnits, AFailingUnitIsReportedOnceUntilItRunsCleanly) {
    struct Case {
        const char* name;
        std::string first, second; // each unit's script, one step per run
        std::vector<int> due;      // per run
        std::vector<int> errors;   // per run
    };
    const Case cases[] = {
        {"both fire on one run", "QD", "QD", {0, 2}, {0, 0}},
        {"a failure does not keep the next unit from firing", "FF", "QD", {0, 1}, {1, 0}},
        {"reported again after a clean run", "FQF", "QQQ", {0, 0, 0}, {1, 0, 1}},
        {"a skipped run is no clean run", "FSF", "QQQ", {0, 0, 0}, {1, 0, 0}},
        {"each unit reports its own failure", "FF", "FF", {0, 0}, {2, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TriggerUnits units;
        units.Add(std::make_unique<ScriptedUnit>(c.first));
        units.Add(std::make_unique<ScriptedUnit>(c.second));
        for (std::size_t run = 0; run < c.due.size(); ++run) {
            const TriggerUnits::Outcome outcome = units.RunAll({});
            EXPECT_EQ(outcome.due, c.due[run]) << "run " << run;
            EXPECT_EQ(static_cast<int>(outcome.errors.size()), c.errors[run]) << "run " << run;
        }
    }
}

} // namespace
