// Mean time of one paint of a 233 x 9 gradient bar (the main window's load
// bars) into a bitmap canvas: horizontal, vertical at the same size (a line per
// column), and vertical turned to 9 x 233. First argument: number of paints per
// case (default 20000).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "core/Error.h"
#include "toolkit/Bitmap.h"
#include "ui/XiProgressBar.h"

namespace {

constexpr long kDefaultPaints = 20000;
constexpr long kMaxPaints = 10'000'000;
constexpr int kBarWidth = 233;
constexpr int kBarHeight = 9;
constexpr int kPositionCycle = 101; // every position of the range in turn
constexpr int kWarmUpPaints = 100;
constexpr double kMicrosecondsPerSecond = 1e6;

double MeanMicroseconds(ui::TXiProgressBar& bar, long paints) {
    tk::Bitmap target(bar.Width(), bar.Height());
    if (target.Empty()) throw core::Error("Cannot create the target bitmap");
    for (int i = 0; i < kWarmUpPaints; ++i) bar.Paint(target.GetCanvas());

    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (long i = 0; i < paints; ++i) {
        bar.SetPosition(static_cast<int>(i % kPositionCycle));
        bar.Paint(target.GetCanvas());
    }
    GdiFlush();
    QueryPerformanceCounter(&stop);
    const double seconds =
        static_cast<double>(stop.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    return seconds * kMicrosecondsPerSecond / static_cast<double>(paints);
}

} // namespace

int main(int argc, char** argv) {
    try {
        const long paints = argc > 1 ? std::strtol(argv[1], nullptr, 10) : kDefaultPaints;
        if (paints <= 0 || paints > kMaxPaints)
            throw core::Error("Usage: xiprogressbar_paint_bench [paints, 1 to 10000000]");

        // Without a parent the bar's own repaints go nowhere; only Paint is timed.
        ui::TXiProgressBar bar(nullptr, "Bar", tk::Bounds{0, 0, kBarWidth, kBarHeight});
        bar.SetColorScheme(ui::TXiProgressBar::TColorScheme::csNight);
        const double horizontal = MeanMicroseconds(bar, paints);
        bar.SetOrientation(ui::TXiProgressBar::TProgressBarOrientation::pbVertical);
        const double vertical = MeanMicroseconds(bar, paints);
        bar.SetBounds(tk::Bounds{0, 0, kBarHeight, kBarWidth});
        const double turned = MeanMicroseconds(bar, paints);

        std::printf("%d x %d bar, %ld paints each\n", kBarWidth, kBarHeight, paints);
        std::printf("horizontal: %.2f us a paint\n", horizontal);
        std::printf("vertical:   %.2f us a paint\n", vertical);
        std::printf("vertical, %d x %d: %.2f us a paint\n", kBarHeight, kBarWidth, turned);
        return EXIT_SUCCESS;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return EXIT_FAILURE;
    }
}
