#include "app/NetQuietTrigger.h"

NetQuietVerdict NetQuietTrigger::Tick(const NetQuietSettings& settings, std::uint64_t nowMs) {
    NetQuietVerdict verdict;
    if (settings.adapter != adapter_) {
        // Another adapter's traffic says nothing about the new one's.
        adapter_ = settings.adapter;
        window_.Restart();
    }
    if (window_.SampleDue(nowMs)) {
        std::optional<std::vector<monitors::AdapterRow>> chosen;
        if (const auto rows = read_()) chosen = monitors::SelectAdapters(*rows, adapter_);
        window_.Add(nowMs, counter_.Next(std::move(chosen)));
        verdict.sampled = true;
    }
    verdict.averageKB = window_.AverageKBPerSecond(settings.seconds);
    verdict.due = settings.armed && verdict.sampled && window_.Quiet(settings.seconds, settings.levelKB);
    return verdict;
}

std::uint32_t NetQuietTrigger::MsUntilNextReading(std::uint64_t nowMs) const {
    return window_.MsUntilDue(nowMs);
}
