#include "app/NetQuietTrigger.h"

#include <cmath>
#include <utility>

#include "core/Rounding.h"

namespace {

constexpr int kFullBar = 100;
constexpr double kOneDecimalBelowKB = 10.0;

} // namespace

AdapterSource ReadAtOnce(AdapterReader read) {
    return [read = std::move(read)] { return monitors::AdapterReading{.pending = false, .rows = read()}; };
}

int NetBarPosition(std::optional<double> averageKB, int levelKB) {
    if (!averageKB || levelKB <= 0) return 0;
    const double position = *averageKB / (2.0 * levelKB) * kFullBar;
    return position >= kFullBar ? kFullBar : static_cast<int>(core::RoundHalfEven(position));
}

std::string NetRateText(std::optional<double> averageKB, char decimalSeparator, const std::string& unit) {
    std::string number = "-";
    if (averageKB && *averageKB < kOneDecimalBelowKB) {
        const auto tenths = core::RoundHalfEven(*averageKB * 10);
        number = std::to_string(tenths / 10) + decimalSeparator + std::to_string(tenths % 10);
    } else if (averageKB) {
        number = std::to_string(core::RoundHalfEven(*averageKB));
    }
    return "(" + number + " " + unit + ")";
}

NetQuietVerdict NetQuietTrigger::Tick(const NetQuietSettings& settings, std::uint64_t nowMs) {
    NetQuietVerdict verdict;
    if (settings.adapter != adapter_) {
        // Another adapter's traffic says nothing about the new one's.
        adapter_ = settings.adapter;
        window_.Restart();
    }
    if (window_.SampleDue(nowMs)) {
        // Without a reader (tests, previews) every query counts as failed.
        const monitors::AdapterReading reading = read_ ? read_() : monitors::AdapterReading{};
        if (!reading.pending) {
            std::optional<std::vector<monitors::AdapterRow>> chosen;
            if (reading.rows) chosen = monitors::SelectAdapters(*reading.rows, adapter_);
            window_.Add(nowMs, counter_.Next(std::move(chosen)));
            verdict.sampled = true;
        }
    }
    verdict.averageKB = window_.AverageKBPerSecond(settings.seconds);
    verdict.due = settings.armed && verdict.sampled && window_.Quiet(settings.seconds, settings.levelKB);
    return verdict;
}

std::uint32_t NetQuietTrigger::MsUntilNextReading(std::uint64_t nowMs) const {
    return window_.MsUntilDue(nowMs);
}
