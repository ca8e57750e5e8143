#include "monitors/NetTraffic.h"

#include <algorithm>
#include <limits>

#include "core/AsciiText.h"

namespace monitors {
namespace {

bool SameAdapters(const std::vector<AdapterRow>& a, const std::vector<AdapterRow>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const AdapterRow& x, const AdapterRow& y) { return x.id == y.id; });
}

// Whether a counter moved on, and by how much; a counter that went back was
// reset or wrapped, and what it counted meanwhile is lost.
bool Advance(std::uint64_t before, std::uint64_t after, std::uint64_t& total) {
    if (after < before) return false;
    const std::uint64_t delta = after - before;
    total = delta < std::numeric_limits<std::uint64_t>::max() - total
                ? total + delta
                : std::numeric_limits<std::uint64_t>::max();
    return true;
}

} // namespace

std::optional<std::vector<AdapterRow>> SelectAdapters(std::span<const AdapterRow> rows,
                                                      std::string_view choice) {
    std::vector<AdapterRow> chosen;
    const bool loopback = core::SameTextIgnoringCase(choice, kLoopbackChoice);
    for (const AdapterRow& row : rows) {
        if (choice.empty() ? row.up && !row.loopback
            : loopback     ? row.loopback
                           : core::SameTextIgnoringCase(row.name, choice))
            chosen.push_back(row);
    }
    if (!choice.empty() && chosen.empty()) return std::nullopt;
    return chosen;
}

std::vector<std::string> AdapterNames(std::span<const AdapterRow> rows) {
    std::vector<std::string> names;
    for (const AdapterRow& row : rows) {
        if (!row.up || row.loopback || row.name.empty()) continue;
        if (std::find(names.begin(), names.end(), row.name) == names.end()) names.push_back(row.name);
    }
    return names;
}

std::optional<std::uint64_t> TrafficCounter::Next(std::optional<std::vector<AdapterRow>> reading) {
    std::optional<std::vector<AdapterRow>> before = std::move(last_);
    last_ = std::move(reading);
    // The system may list the same adapters in another order.
    if (last_)
        std::sort(last_->begin(), last_->end(),
                  [](const AdapterRow& a, const AdapterRow& b) { return a.id < b.id; });
    if (!before || !last_ || !SameAdapters(*before, *last_)) return std::nullopt;
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < last_->size(); ++i) {
        const AdapterRow& was = (*before)[i];
        const AdapterRow& is = (*last_)[i];
        if (!Advance(was.received, is.received, total) || !Advance(was.sent, is.sent, total))
            return std::nullopt;
    }
    return total;
}

} // namespace monitors
