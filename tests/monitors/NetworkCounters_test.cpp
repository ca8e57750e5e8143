// The adapters' counters as the system gives them, on the loopback adapter
// that the test itself keeps busy.
#include "monitors/NetworkCounters.h"

#include <gtest/gtest.h>

#include "support/LoopbackTraffic.h"

namespace {

std::uint64_t LoopbackOctets(const monitors::NetworkCounters& counters) {
    const auto rows = counters.Read();
    if (!rows) return 0;
    const auto loopback = monitors::SelectAdapters(*rows, monitors::kLoopbackChoice);
    if (!loopback) return 0;
    std::uint64_t total = 0;
    for (const monitors::AdapterRow& row : *loopback) total += row.received + row.sent;
    return total;
}

TEST(NetworkCountersTest, LoopbackCountsTheTrafficSentTo127001) {
    const monitors::NetworkCounters counters;
    const auto rows = counters.Read();
    ASSERT_TRUE(rows.has_value());
    ASSERT_TRUE(monitors::SelectAdapters(*rows, monitors::kLoopbackChoice).has_value());

    LoopbackTraffic traffic;
    ASSERT_TRUE(traffic.Ok());
    constexpr int kBytes = 4 * 1024 * 1024;
    const std::uint64_t before = LoopbackOctets(counters);
    traffic.Send(kBytes);
    const std::uint64_t after = LoopbackOctets(counters);
    EXPECT_GE(after - before, static_cast<std::uint64_t>(kBytes)) << before << " -> " << after;
}

} // namespace
