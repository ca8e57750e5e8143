// Bytes between two readings of the adapters' counters, and which adapters count.
#include "monitors/NetTraffic.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

using monitors::AdapterRow;
using Reading = std::optional<std::vector<AdapterRow>>;

AdapterRow Row(std::uint64_t id, std::uint64_t received, std::uint64_t sent) {
    return AdapterRow{id, "eth" + std::to_string(id), false, true, received, sent};
}

TEST(TrafficCounterTest, CountsOnlyWhatBothReadingsVouchFor) {
    struct Case {
        const char* what;
        Reading before, after;
        std::optional<std::uint64_t> bytes;
    };
    const Case cases[] = {
        {"both counters of each adapter", std::vector{Row(1, 100, 10), Row(2, 0, 0)},
         std::vector{Row(1, 150, 20), Row(2, 5, 0)}, 65},
        {"listed in another order", std::vector{Row(1, 0, 0), Row(2, 0, 0)},
         std::vector{Row(2, 1, 0), Row(1, 2, 0)}, 3},
        {"no adapters at all", std::vector<AdapterRow>{}, std::vector<AdapterRow>{}, 0},
        {"an adapter came", std::vector{Row(1, 0, 0)}, std::vector{Row(1, 0, 0), Row(2, 0, 0)}, std::nullopt},
        {"an adapter went", std::vector{Row(1, 0, 0), Row(2, 0, 0)}, std::vector{Row(1, 9, 0)}, std::nullopt},
        {"one replaced another", std::vector{Row(1, 0, 0)}, std::vector{Row(2, 9, 0)}, std::nullopt},
        {"received was reset", std::vector{Row(1, 500, 0)}, std::vector{Row(1, 20, 30)}, std::nullopt},
        {"sent wrapped", std::vector{Row(1, 0, ~0ull - 5)}, std::vector{Row(1, 0, 4)}, std::nullopt},
        {"largest counters", std::vector{Row(1, 0, 0)}, std::vector{Row(1, ~0ull, ~0ull)}, ~0ull},
        {"the query failed", std::vector{Row(1, 0, 0)}, std::nullopt, std::nullopt},
        {"the query before failed", std::nullopt, std::vector{Row(1, 0, 0)}, std::nullopt},
    };
    for (const Case& c : cases) {
        monitors::TrafficCounter counter;
        EXPECT_EQ(counter.Next(c.before), std::nullopt) << c.what; // the first reading is only a start
        EXPECT_EQ(counter.Next(c.after), c.bytes) << c.what;
    }
}

TEST(SelectAdaptersTest, AllThatAreUpButLoopbackOrTheOneNamed) {
    const std::vector<AdapterRow> rows = {
        {1, "Ethernet", false, true, 0, 0},
        {2, "Wi-Fi", false, false, 0, 0},
        {3, "Loopback Pseudo-Interface 1", true, true, 0, 0},
        {4, "VPN", false, true, 0, 0},
    };
    struct Case {
        const char* choice;
        std::optional<std::vector<std::uint64_t>> ids;
    };
    const Case cases[] = {
        {"", std::vector<std::uint64_t>{1, 4}},
        {"loopback", std::vector<std::uint64_t>{3}},
        {"LoopBack", std::vector<std::uint64_t>{3}},
        {"wi-fi", std::vector<std::uint64_t>{2}},
        {"Ethernet 2", std::nullopt},
    };
    for (const Case& c : cases) {
        const auto chosen = monitors::SelectAdapters(rows, c.choice);
        std::optional<std::vector<std::uint64_t>> ids;
        if (chosen) {
            ids.emplace();
            for (const AdapterRow& row : *chosen) ids->push_back(row.id);
        }
        EXPECT_EQ(ids, c.ids) << c.choice;
    }
    EXPECT_EQ(monitors::AdapterNames(rows), (std::vector<std::string>{"Ethernet", "VPN"}));
}

} // namespace
