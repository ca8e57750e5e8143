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
using AdapterReader = std::function<monitors::AdapterRows()>;
// The same as the tick takes it: at once, or from another thread when it has landed.
using AdapterSource = std::function<monitors::AdapterReading()>;
// Reads on the spot: tests and pictures, where the answer is at hand.
AdapterSource ReadAtOnce(AdapterReader read);

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
    explicit NetQuietTrigger(AdapterSource read) : read_(std::move(read)) {}

    // A whole window must be measured from now on before it may fire.
    void Arm() { window_.Restart(); }

    // Takes a reading when one is due at `nowMs` (a monotonic clock) and
    // decides. A reading on its way is taken on a later run, which it wakes.
    NetQuietVerdict Tick(const NetQuietSettings& settings, std::uint64_t nowMs);

    // Milliseconds until the next reading is due; 0 when it is.
    std::uint32_t MsUntilNextReading(std::uint64_t nowMs) const;

private:
    AdapterSource read_;
    monitors::TrafficCounter counter_;
    netquiet::NetQuietWindow window_;
    std::string adapter_;
};
