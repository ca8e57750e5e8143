#include "app/CpuLoadWindow.h"

#include "rtl/Rounding.h"

namespace {
constexpr double kPercent = 100.0;
} // namespace

double LoadPeak::Clamped() const {
    if (!(peak_ >= 0.0)) return 0.0; // also catches NaN
    return peak_ > 1.0 ? 1.0 : peak_;
}

void CpuLoadWindow::Restart(rtl::TDateTime now) {
    windowStart_ = now;
    sampleCount_ = 0;
    loadSum_ = 0.0;
}

std::int64_t CpuLoadWindow::Add(double load) {
    ++sampleCount_;
    loadSum_ += load;
    return rtl::RoundHalfEven(loadSum_ / sampleCount_ * kPercent);
}

std::int64_t CpuLoadWindow::SecondsLeft(rtl::TDateTime now, int lengthSeconds) const {
    return lengthSeconds - rtl::SecondsBetween(windowStart_, now);
}

bool CpuLoadWindow::EndIfElapsed(rtl::TDateTime now, int lengthSeconds) {
    if (rtl::SecondsBetween(windowStart_, now) < lengthSeconds) return false;
    Restart(now);
    return true;
}
