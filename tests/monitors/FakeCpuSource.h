#pragma once
// A stand-in for the system's processor-load sources, for the sampler's tests.
#include "core/Error.h"
#include "monitors/CpuDataSource.h"
#include "monitors/ProcessorTimes.h"

#include "PerfDataBuilder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace monitors::cpu_test {

inline constexpr DWORD kVersion95 = VER_PLATFORM_WIN32_WINDOWS;
inline constexpr std::int64_t kSecond = 10'000'000;

// Plays the system: a version, a registry of DWORD values and the kernel query.
class FakeSource final : public ICpuDataSource {
public:
    std::optional<DWORD> platform = VER_PLATFORM_WIN32_NT;

    // Performance data: answers a query with a buffer of `size` bytes.
    std::function<LONG(BYTE* data, DWORD& size)> perfData = [](BYTE*, DWORD& size) {
        size = 0;
        return LONG{ERROR_SUCCESS};
    };
    std::vector<DWORD> perfQuerySizes;

    std::function<LONG(void* data, ULONG size, ULONG& returned)> processorTimes = [](void*, ULONG, ULONG&) {
        return kStatusNotImplemented;
    };
    int processorQueries = 0;

    // Keys that open, by path, and their CPUUsage value (nothing: the read fails).
    std::map<std::string, std::optional<DWORD>> keys;
    std::vector<std::string> reads; // paths whose value was read, in order
    int openKeys = 0;
    int perfDataCloses = 0;

    bool PlatformId(DWORD& id) noexcept override {
        if (platform) {
            id = *platform;
        }
        return platform.has_value();
    }

    LONG OpenKey(HKEY root, const char* path, REGSAM, HKEY& key) noexcept override {
        const auto found = keys.find(path);
        if (root != HKEY_DYN_DATA || found == keys.end()) {
            return ERROR_FILE_NOT_FOUND;
        }
        key = reinterpret_cast<HKEY>(&*found);
        ++openKeys;
        return ERROR_SUCCESS;
    }

    LONG QueryValue(HKEY key, const char* name, BYTE* data, DWORD& size) noexcept override {
        if (key == HKEY_PERFORMANCE_DATA) {
            EXPECT_STREQ(name, "238");
            perfQuerySizes.push_back(size);
            return perfData(data, size);
        }
        EXPECT_STREQ(name, "KERNEL\\CPUUsage");
        const auto& [path, value] =
            *reinterpret_cast<std::pair<const std::string, std::optional<DWORD>>*>(key);
        reads.push_back(path);
        if (!value || size < sizeof(DWORD)) {
            return ERROR_FILE_NOT_FOUND;
        }
        std::memcpy(data, &*value, sizeof(DWORD));
        size = sizeof(DWORD);
        return ERROR_SUCCESS;
    }

    void CloseKey(HKEY key) noexcept override {
        if (key == HKEY_PERFORMANCE_DATA) {
            ++perfDataCloses;
        } else {
            --openKeys;
        }
    }

    LONG QueryProcessorTimes(void* data, ULONG size, ULONG& returned) noexcept override {
        ++processorQueries;
        return processorTimes(data, size, returned);
    }

    // Serves one built block of performance data per query, the last one for good.
    void servePerfData(std::vector<perf_test::PerfData> blocks) {
        perfData = [blocks = std::move(blocks), next = std::size_t{0}](BYTE* data, DWORD& size) mutable {
            const std::vector<std::byte>& bytes = blocks[std::min(next++, blocks.size() - 1)].bytes;
            if (size < bytes.size()) {
                return LONG{ERROR_MORE_DATA};
            }
            std::memcpy(data, bytes.data(), bytes.size());
            size = static_cast<DWORD>(bytes.size());
            return LONG{ERROR_SUCCESS};
        };
    }

    // Serves per-processor (idle, kernel, user) times, advancing by `step` per query.
    void serveProcessorTimes(std::vector<std::array<std::int64_t, 3>> start,
                             std::vector<std::array<std::int64_t, 3>> step) {
        processorTimes = [start, step, n = 0](void* data, ULONG size, ULONG& returned) mutable {
            using namespace processor_times_layout;
            if (size < start.size() * kRecordSize) {
                return kStatusInfoLengthMismatch;
            }
            auto* bytes = static_cast<std::byte*>(data);
            for (std::size_t i = 0; i < start.size(); ++i) {
                for (std::size_t field = 0; field < 3; ++field) {
                    const std::int64_t value = start[i][field] + n * step[i][field];
                    std::memcpy(bytes + i * kRecordSize + field * sizeof(value), &value, sizeof(value));
                }
            }
            ++n;
            returned = static_cast<ULONG>(start.size() * kRecordSize);
            return kStatusSuccess;
        };
    }
};

template <typename Call>
std::string ErrorText(Call&& call) {
    try {
        call();
    } catch (const core::Error& error) {
        return error.what();
    }
    return "no error";
}

inline perf_test::PerfData ProcessorsAt(std::uint16_t second, std::vector<std::int64_t> idle) {
    monitors::SystemTimeFields time = perf_test::kSampleTime;
    time.second = second;
    return perf_test::BuildPerfData({perf_test::Processors(std::move(idle))}, time);
}

} // namespace monitors::cpu_test
