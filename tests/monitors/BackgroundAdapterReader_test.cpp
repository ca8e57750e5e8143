#include "monitors/BackgroundAdapterReader.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>

namespace monitors {
namespace {

struct Landings {
    HANDLE event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    ~Landings() { CloseHandle(event); }
    bool Wait() const { return WaitForSingleObject(event, 5000) == WAIT_OBJECT_0; }
};

TEST(BackgroundAdapterReader, AsksOnceTakesTheLandedReadingOnceAndDropsAStaleOne) {
    Landings landings;
    std::atomic<int> reads = 0;
    std::atomic<std::uint64_t> now = 1000;
    BackgroundAdapterReader reader(
        [&reads] {
            ++reads;
            return AdapterRows{{{.id = 7, .name = "Ethernet", .up = true, .received = 42}}};
        },
        [&landings] { SetEvent(landings.event); }, [&now] { return now.load(); });

    EXPECT_TRUE(reader.Take().pending);
    ASSERT_TRUE(landings.Wait());
    const AdapterReading landed = reader.Take();
    ASSERT_FALSE(landed.pending);
    ASSERT_TRUE(landed.rows && landed.rows->size() == 1);
    EXPECT_EQ(landed.rows->front().received, 42u);
    EXPECT_EQ(reads, 1);

    // Taken once: the next question asks anew. A reading left lying longer
    // than the freshness limit is dropped, and asked for again.
    EXPECT_TRUE(reader.Take().pending);
    ASSERT_TRUE(landings.Wait());
    now += BackgroundAdapterReader::kFreshMs + 1;
    EXPECT_TRUE(reader.Take().pending);
    ASSERT_TRUE(landings.Wait());
    EXPECT_FALSE(reader.Take().pending);
    EXPECT_EQ(reads, 3);
}

} // namespace
} // namespace monitors
