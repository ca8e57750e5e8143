#pragma once
// The network-quiet trigger without its controls: once a second it reads
// the adapters' counters, keeps the traffic of the chosen adapters in its
// sliding window and says whether the armed trigger fires.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/NetQuietWindow.h"
#include "monitors/NetTraffic.h"

// Every adapter with its counters, or nothing when the query failed.
using AdapterReader = std::function<std::optional<std::vector<monitors::AdapterRow>>()>;

// What the group's controls say on one run.
struct NetQuietSettings {
    bool armed = false;
    int levelKB = 0;
    int seconds = 0;
    std::string adapter; // empty: every adapter that is up but loopback
};

struct NetQuietVerdict {
    bool sampled = false;            // a reading was taken on this run
    std::optional<double> averageKB; // over the window, once anything is measured
    bool due = false;                // the armed trigger fires on this run
};

// The bar's position, 0 to 100: half full at the level, full at twice it.
int NetBarPosition(std::optional<double> averageKB, int levelKB);

// "(12.3 KB/s)", one decimal below 10 KB/s; "(- KB/s)" before anything is measured.
std::string NetRateText(std::optional<double> averageKB, char decimalSeparator, const std::string& unit);

class NetQuietTrigger {
public:
    explicit NetQuietTrigger(AdapterReader read) : read_(std::move(read)) {}

    // A whole window must be measured from now on before it may fire.
    void Arm() { window_.Restart(); }

    // Takes a reading when one is due at `nowMs` (a monotonic clock) and decides.
    NetQuietVerdict Tick(const NetQuietSettings& settings, std::uint64_t nowMs);

    // Milliseconds until the next reading is due; 0 when it is.
    std::uint32_t MsUntilNextReading(std::uint64_t nowMs) const;

private:
    AdapterReader read_;
    monitors::TrafficCounter counter_;
    netquiet::NetQuietWindow window_;
    std::string adapter_;
};
