#pragma once
// Bytes moved through the network adapters between two readings of their
// counters. Whatever the counters cannot vouch for (an adapter that came or
// went, a counter that went back because it was reset or wrapped, a failed
// query) gives no figure rather than a wrong or negative one.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace monitors {

// One adapter as the system lists it.
struct AdapterRow {
    std::uint64_t id = 0; // the system's unique id of the adapter
    std::string name;     // the name the system shows (UTF-8)
    bool loopback = false;
    bool up = false;
    std::uint64_t received = 0; // octets
    std::uint64_t sent = 0;
};

// Every adapter with its counters, or nothing when the query failed.
using AdapterRows = std::optional<std::vector<AdapterRow>>;

// What the tick gets when it asks for the counters: a reading, or word that
// one is on its way (it is read on another thread) and the tick should ask again.
struct AdapterReading {
    bool pending = false;
    AdapterRows rows;
};

// The adapter word that picks the loopback adapter, whatever its name.
inline constexpr std::string_view kLoopbackChoice = "loopback";

// Which adapters count. Empty: every adapter that is up except loopback.
// Otherwise one adapter: "loopback", or the name the system shows (any
// case). The rows of the chosen adapter, or nothing when no adapter has that
// name: an absent adapter is never quiet.
std::optional<std::vector<AdapterRow>> SelectAdapters(std::span<const AdapterRow> rows,
                                                      std::string_view choice);

// The names a user can choose from: every adapter that is up, in the
// system's order, without repeats; loopback goes by kLoopbackChoice.
std::vector<std::string> AdapterNames(std::span<const AdapterRow> rows);

class TrafficCounter {
public:
    // Received plus sent bytes since the previous reading, or nothing when
    // there was none or the two readings cannot be compared. Every reading
    // becomes the base of the next one.
    std::optional<std::uint64_t> Next(std::optional<std::vector<AdapterRow>> reading);

private:
    std::optional<std::vector<AdapterRow>> last_;
};

} // namespace monitors
