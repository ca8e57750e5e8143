#include "app/CpuLoadWindow.h"

#include "core/Rounding.h"

namespace {
constexpr double kPercent = 100.0;
} // namespace

double LoadPeak::Clamped() const {
    if (!(peak_ >= 0.0)) return 0.0; // also catches NaN
    return peak_ > 1.0 ? 1.0 : peak_;
}

void CpuLoadWindow::Restart(core::TDateTime now) {
    windowStart_ = now;
    sampleCount_ = 0;
    loadSum_ = 0.0;
}

std::int64_t CpuLoadWindow::Add(double load) {
    ++sampleCount_;
    loadSum_ += load;
    return core::RoundHalfEven(loadSum_ / sampleCount_ * kPercent);
}

std::int64_t CpuLoadWindow::SecondsLeft(core::TDateTime now, int lengthSeconds) const {
    return lengthSeconds - core::SecondsBetween(windowStart_, now);
}

bool CpuLoadWindow::EndIfElapsed(core::TDateTime now, int lengthSeconds) {
    if (core::SecondsBetween(windowStart_, now) < lengthSeconds) return false;
    Restart(now);
    return true;
}
