// Times skins under Windows: one BlendBackground into a picture at the main
// window's outer size with its frames, and a skin change in the shown main
// window from the choice in the list to the repainted window.
//   skin_bench.exe [blends, default 200] [program folder with skins\]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "../tools/StillMainForm.h"
#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Texts.h"
#include "ui/lang.h"
#include "ui/skin.h"

namespace {

constexpr int kClientWidth = 521;
constexpr int kClientHeight = 257;
constexpr long kDefaultBlends = 200;
constexpr long kMaxBlends = 1'000'000;
constexpr double kMsPerSecond = 1e3;

const std::vector<RECT> kLevel1{{16, 32, 249, 97}, {16, 104, 249, 169}};
const std::vector<RECT> kLevel2{
    {8, 8, 257, 217}, {264, 8, 513, 73}, {264, 80, 513, 193}, {264, 200, 385, 249}, {392, 200, 513, 249},
};

// Processor time of this process so far: what the blend costs, whoever else shares the machine.
double CpuMs() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    constexpr double kMsPer100ns = 1e-4;
    const auto ticks = [](const FILETIME& t) {
        return (ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return double(ticks(kernel) + ticks(user)) * kMsPer100ns;
}

double NowMs() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) * kMsPerSecond / double(frequency.QuadPart);
}

// Cycles through the skins as the user would choose them in the list.
void TimeSkinChanges(const std::string& programFolder) {
    ui::LoadSkinList(programFolder, tk::LoadText(lang::LanguageCode));
    const int count = static_cast<int>(ui::Skins().size());
    if (count == 0) {
        std::printf("skin change: no skins in %s\n", programFolder.c_str());
        return;
    }
    tk::Application::Instance().Initialize();
    const std::string settings = tools::ThrowawaySettingsFile("kn-skin-bench-");
    auto form = tools::StillMainForm(settings);
    form->Show();
    tk::Application::Instance().ProcessMessages();
    constexpr int kRounds = 5;
    const int changes = kRounds * count;
    const double start = NowMs(), startCpu = CpuMs();
    for (int i = 0; i < changes; ++i) {
        form->SkinComboBox->SetItemIndex(i % count);
        form->SkinComboBoxSelect();
    }
    const double each = (NowMs() - start) / changes, eachCpu = (CpuMs() - startCpu) / changes;
    std::printf(
        "skin change, choice to repainted main window: %.3f ms elapsed, %.3f ms processor (mean of %d)\n",
        each, eachCpu, changes);
    form.reset();
    tk::Application::Instance().SetMainForm(nullptr);
    DeleteFileA(settings.c_str());
}

int Run(long blends) {
    // The main window's frame: a caption, a single border and a minimise box.
    RECT outer{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRect(&outer, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, FALSE);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    tk::Bitmap picture;
    ui::BlendBackground(picture, width, height, kLevel1, kLevel2); // warm-up
    const double start = NowMs(), startCpu = CpuMs();
    for (long i = 0; i < blends; ++i) ui::BlendBackground(picture, width, height, kLevel1, kLevel2);
    const double each = (NowMs() - start) / double(blends);
    const double eachCpu = (CpuMs() - startCpu) / double(blends);
    std::printf(
        "BlendBackground of the main window, %d x %d: %.3f ms elapsed, %.3f ms processor (mean of %ld)\n",
        width, height, each, eachCpu, blends);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        long blends = argc > 1 ? std::strtol(argv[1], nullptr, 10) : kDefaultBlends;
        if (blends < 1 || blends > kMaxBlends) blends = kDefaultBlends;
        const int result = Run(blends);
        if (argc > 2) {
            std::string folder = argv[2];
            if (folder.back() != '\\') folder += '\\';
            TimeSkinChanges(folder);
        }
        return result;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
