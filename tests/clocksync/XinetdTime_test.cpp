// Against xinetd's own time service, which scripts/xinetd-time-test.sh starts
// on a loopback port; skipped when run without it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "clocksync/IdTime.h"
#include "clocksync/TimeProtocol.h"

namespace {

// Seconds from 1 January 1601 (the system's epoch) to 1 January 1900.
constexpr std::int64_t kSeconds1601To1900 = 9435484800LL;
constexpr std::int64_t kFileTimeUnitsPerSecond = 10000000LL;

std::int64_t HostSecondsSince1900() {
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    const std::int64_t units = (static_cast<std::int64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    return units / kFileTimeUnitsPerSecond - kSeconds1601To1900;
}

} // namespace

TEST(XinetdTimeService, AgreesWithTheHostClock) {
    const char* port = std::getenv("KN_XINETD_TIME_PORT");
    if (!port) GTEST_SKIP() << "run through scripts/xinetd-time-test.sh";
    clocksync::TIdTime client;
    client.SetHost("127.0.0.1");
    client.SetPort(std::atoi(port));
    const std::uint32_t seconds = client.QueryServerSeconds();
    ASSERT_NE(seconds, 0u);
    const std::int64_t difference = clocksync::SecondsSince1900(seconds) - HostSecondsSince1900();
    EXPECT_LE(std::llabs(difference), 2) << "server " << seconds;
    EXPECT_LT(client.ReplyDelay(), 1000u);
}
