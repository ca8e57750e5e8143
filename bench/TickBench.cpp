// Cost of the scheduler tick as the program runs it: every 250 ms, with the
// real processor sampler, the real main window and the repaints each tick
// causes. tick_bench.exe [ticks]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/MainForm.h"
#include "app/global.h"
#include "monitors/NetworkCounters.h"
#include "monitors/adCpuUsage.h"
#include "toolkit/Application.h"

namespace {
constexpr DWORD kTickSpacingMs = 250;

double NowUs() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return double(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) * 1e6 / frequency;
}
template <typename Call>
double MeanUs(int times, Call call) {
    const double start = NowUs();
    for (int i = 0; i < times; ++i) call();
    return (NowUs() - start) / times;
}
} // namespace

int main(int argc, char** argv) {
    const int ticks = argc > 1 ? std::atoi(argv[1]) : 40;
    if (ticks <= 0) {
        std::fprintf(stderr, "usage: tick_bench [ticks]\n");
        return 2;
    }
    InitSettingsFileName();
    InitCpuSampler();
    tk::Application::Instance().Initialize();
    {
        TMainForm form(DefaultMainFormServices());
        tk::Application::Instance().SetMainForm(&form);
        form.SystemTimePingTimer.SetEnabled(false); // we run the ticks ourselves, timed
        form.Show();
        tk::Application::Instance().ProcessMessages();
        double total = 0, worst = 0, logic = 0;
        for (int i = 0; i < ticks; ++i) {
            Sleep(kTickSpacingMs);
            tk::Application::Instance().ProcessMessages();
            const double start = NowUs();
            form.SystemTimePingTimerTimer();
            logic += NowUs() - start;
            tk::Application::Instance().ProcessMessages(); // the repaints it asked for
            const double took = NowUs() - start;
            total += took;
            worst = std::max(worst, took);
        }
        std::printf(
            "tick every %lu ms with the real sampler (%d processor entries, %d ticks):\n"
            "  the tick itself: mean %.1f us\n"
            "  with the repaints it causes: mean %.1f us, worst %.1f us\n",
            kTickSpacingMs, CpuSlotCount(), ticks, logic / ticks, total / ticks, worst);
    }
    // The two system reads a shown window makes, alone.
    const monitors::NetworkCounters counters;
    const double sampler = MeanUs(ticks, [] { TakeCpuSample(); });
    const double network = MeanUs(ticks, [&counters] { (void)counters.Read(); });
    std::printf("  of which the processor sample: mean %.1f us; the adapters' counters: mean %.1f us\n",
                sampler, network);
    CloseCpuSampler();
    return 0;
}
