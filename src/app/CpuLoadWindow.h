#pragma once
// The processor-load trigger's averaging window. Samples are summed, never
// stored, so a window's cost does not grow with its length.
#include <cstdint>

#include "core/DateTime.h"

// The busiest processor's load of one run, kept within 0..1.
class LoadPeak {
public:
    void Add(double load) {
        if (load > peak_) peak_ = load;
    }
    // No entries, a negative peak or NaN read as idle; above 1 as full.
    double Clamped() const;

private:
    static constexpr double kNoLoadYet = -100.0;
    double peak_ = kNoLoadYet;
};

class CpuLoadWindow {
public:
    // Starts an empty window at `now`: at start-up, when the window list
    // closes, and when a window has ended.
    void Restart(core::TDateTime now);

    // Counts one sample (0..1); returns the window's average, sample
    // included, in whole percent rounded half to even.
    std::int64_t Add(double load);

    // Whole seconds still to run of a window `lengthSeconds` long; negative
    // once overdue.
    std::int64_t SecondsLeft(core::TDateTime now, int lengthSeconds) const;

    // Ends the window once its length has elapsed (elapsed is an absolute
    // difference, so a clock jump either way ends it too) and restarts it at
    // `now`. True when it ended: the caller then decides the trigger on the
    // average Add returned.
    bool EndIfElapsed(core::TDateTime now, int lengthSeconds);

    std::uint32_t SampleCount() const { return sampleCount_; }
    double LoadSum() const { return loadSum_; }
    core::TDateTime WindowStart() const { return windowStart_; }

private:
    std::uint32_t sampleCount_ = 0;
    double loadSum_ = 0.0;
    core::TDateTime windowStart_ = 0;
};

// Whether an ended window fires the armed trigger: its average at or below the level.
constexpr bool LowLoad(std::int64_t averagePercent, int levelPercent) {
    return averagePercent <= levelPercent;
}
