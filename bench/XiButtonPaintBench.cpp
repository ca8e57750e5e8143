// Measures how long the gradient button takes to paint itself: an 89 x 25
// button with a caption, painted into a bitmap's canvas many times (first
// argument, default 5000). For comparison it also times creating a fresh
// off-screen bitmap of that size, the cost a button would pay per paint if
// it did not keep its surface.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Form.h"
#include "ui/XiButton.h"

namespace {

constexpr int kWidth = 89;
constexpr int kHeight = 25;
constexpr long kDefaultPaints = 5000;
constexpr long kMaxPaints = 10'000'000;
constexpr int kWarmUp = 50;
constexpr double kUsPerSecond = 1e6;

class Stopwatch {
public:
    Stopwatch() {
        QueryPerformanceFrequency(&frequency_);
        QueryPerformanceCounter(&start_);
    }
    double ElapsedUs() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return double(now.QuadPart - start_.QuadPart) * kUsPerSecond / double(frequency_.QuadPart);
    }

private:
    LARGE_INTEGER frequency_{};
    LARGE_INTEGER start_{};
};

template <typename F>
double MeanUs(long count, F&& work) {
    for (int i = 0; i < kWarmUp; ++i) work();
    const Stopwatch watch;
    for (long i = 0; i < count; ++i) work();
    return watch.ElapsedUs() / double(count);
}

int Run(long paints) {
    tk::Application::Instance().Initialize();
    tk::FormArgs args;
    args.name = "BenchForm";
    args.caption = "Paint bench";
    tk::Form form(args);
    auto& button = form.Add<ui::TXiButton>("BenchButton", tk::Bounds{8, 8, kWidth, kHeight});
    button.SetCaption("&Shut down");
    tk::Bitmap target(kWidth, kHeight);
    tk::Canvas& canvas = target.GetCanvas();

    const double paint = MeanUs(paints, [&] { button.Paint(canvas); });
    const double fresh = MeanUs(paints, [] {
        tk::Bitmap surface(kWidth, kHeight);
        surface.GetCanvas();
    });
    std::printf("xibutton paint %dx%d: %.2f us per paint (mean of %ld)\n", kWidth, kHeight, paint, paints);
    std::printf("fresh %dx%d off-screen bitmap: %.2f us each (mean of %ld)\n", kWidth, kHeight, fresh,
                paints);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        long paints = argc > 1 ? std::strtol(argv[1], nullptr, 10) : kDefaultPaints;
        if (paints < 1 || paints > kMaxPaints) paints = kDefaultPaints;
        return Run(paints);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
