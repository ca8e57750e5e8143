// Shows what a ticking thread timer costs: runs a 250 ms timer for a number of
// seconds (first argument, default 10) while pumping messages, then keeps it
// disabled for as long, and reports the worker thread's and the process's
// processor time for each phase and the ticks delivered.
#include <windows.h>

#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <set>

#include "core/Error.h"
#include "toolkit/AsyncTimer.h"
#include "toolkit/Handles.h"

namespace {

constexpr std::uint16_t kInterval = 250;
constexpr long kDefaultSeconds = 10;
constexpr long kMaxSeconds = 3600;
constexpr DWORD kMsPerSecond = 1000;
constexpr double kFileTimeUnitsPerMs = 10000.0; // FILETIME counts 100 ns

std::set<DWORD> ThreadsOfThisProcess() {
    tk::KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    if (!snapshot) throw core::Error("Cannot list the threads");
    std::set<DWORD> ids;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot.Get(), &entry); more;
         more = Thread32Next(snapshot.Get(), &entry)) {
        if (entry.th32OwnerProcessID == GetCurrentProcessId()) ids.insert(entry.th32ThreadID);
    }
    return ids;
}

// The one thread that creating a timer added.
tk::KernelHandle OpenWorkerOf(const std::set<DWORD>& before, const std::set<DWORD>& after) {
    DWORD worker = 0;
    for (DWORD id : after) {
        if (before.count(id) == 0) {
            if (worker != 0) throw core::Error("More than one new thread; cannot tell the timer's worker");
            worker = id;
        }
    }
    tk::KernelHandle handle(worker ? OpenThread(THREAD_QUERY_INFORMATION, FALSE, worker) : nullptr);
    if (!handle) throw core::Error("Cannot open the timer's worker thread");
    return handle;
}

double Ms(const FILETIME& time) {
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / kFileTimeUnitsPerMs;
}

struct CpuTimes {
    double workerMs;
    double processMs;
};

CpuTimes Measure(HANDLE worker) {
    FILETIME created, ended, kernel, user;
    if (!GetThreadTimes(worker, &created, &ended, &kernel, &user))
        throw core::Error("Cannot read the worker's times");
    const double workerMs = Ms(kernel) + Ms(user);
    if (!GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user))
        throw core::Error("Cannot read the process's times");
    return {workerMs, Ms(kernel) + Ms(user)};
}

void PumpFor(DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

void Report(const char* phase, const CpuTimes& from, const CpuTimes& to, unsigned ticks) {
    const double worker = to.workerMs - from.workerMs;
    std::printf("%-9s worker CPU %8.3f ms", phase, worker);
    if (ticks > 0) std::printf(" (%.4f ms a tick)", worker / ticks);
    std::printf(", process CPU %8.3f ms\n", to.processMs - from.processMs);
}

} // namespace

int main(int argc, char** argv) {
    try {
        const long seconds = argc > 1 ? std::strtol(argv[1], nullptr, 10) : kDefaultSeconds;
        if (seconds <= 0 || seconds > kMaxSeconds)
            throw core::Error("Usage: timer_idle_bench [seconds, 1 to 3600]");
        const DWORD phaseMs = static_cast<DWORD>(seconds) * kMsPerSecond;

        const auto threadsBefore = ThreadsOfThisProcess();
        tk::TAsyncTimer timer;
        const auto worker = OpenWorkerOf(threadsBefore, ThreadsOfThisProcess());
        unsigned ticks = 0;
        timer.SetInterval(kInterval);
        timer.SetOnTimer([&ticks](tk::TAsyncTimer&) { ++ticks; });

        const CpuTimes start = Measure(worker.Get());
        timer.SetEnabled(true);
        PumpFor(phaseMs);
        timer.SetEnabled(false);
        const CpuTimes ticking = Measure(worker.Get());
        const unsigned ticksWhileEnabled = ticks;
        PumpFor(phaseMs);
        const CpuTimes disabled = Measure(worker.Get());

        std::printf("%u ms timer, %ld s enabled then %ld s disabled\n", kInterval, seconds, seconds);
        std::printf("ticks delivered: %u while enabled (about %lu expected), %u while disabled\n",
                    ticksWhileEnabled, static_cast<unsigned long>(phaseMs / kInterval),
                    ticks - ticksWhileEnabled);
        Report("enabled", start, ticking, ticksWhileEnabled);
        Report("disabled", ticking, disabled, 0);
        return EXIT_SUCCESS;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return EXIT_FAILURE;
    }
}
