// Starts the program, waits for its main window and writes where the window
// and each of its child windows are, one line each, then closes it; with a
// third argument it also saves a picture of the window.
//   dpi_probe.exe <program> <rectangles.txt> [<window.bmp>]
// Lines: "client <width> <height>", then "<class> <left> <top> <width> <height>"
// per control of the window in creation order (not the parts a native
// control makes of itself, which the system places).
#include <windows.h>

#include <cstdio>
#include <string>

#include "../../tools/BitmapFile.h"
#include "Polling.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Handles.h"

namespace {

constexpr DWORD kPatienceMs = 120000; // a new prefix starts slowly on a busy machine
constexpr DWORD kPollMs = 100;
constexpr DWORD kSettleMs = 1500; // the first tick and the skin are painted
constexpr char kMainCaptionStart[] = "Kalvex Now!";

struct Found {
    DWORD process;
    HWND window;
};

BOOL CALLBACK FindMain(HWND w, LPARAM data) {
    auto* found = reinterpret_cast<Found*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    char caption[128] = {};
    GetWindowTextA(w, caption, sizeof caption);
    if (pid == found->process && IsWindowVisible(w) &&
        std::string(caption).rfind(kMainCaptionStart, 0) == 0) {
        found->window = w;
        return FALSE;
    }
    return TRUE;
}

struct Listing {
    HWND window;
    std::FILE* out;
};

BOOL CALLBACK WriteChild(HWND w, LPARAM data) {
    const auto* listing = reinterpret_cast<const Listing*>(data);
    if (GetParent(w) != listing->window) return TRUE;
    std::FILE* out = listing->out;
    char name[64] = {};
    GetClassNameA(w, name, sizeof name);
    RECT r{};
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
    std::fprintf(out, "%s %ld %ld %ld %ld\n", name, r.left, r.top, r.right - r.left, r.bottom - r.top);
    return TRUE;
}

void SavePicture(HWND window, const char* path) {
    RECT r{};
    GetWindowRect(window, &r);
    tk::Bitmap shot(r.right - r.left, r.bottom - r.top);
    const tk::WindowDC screen(nullptr);
    BitBlt(shot.DC(), 0, 0, shot.Width(), shot.Height(), screen.Get(), r.left, r.top, SRCCOPY);
    tools::SaveBitmapFile(shot, path);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fputs("Usage: dpi_probe <program> <rectangles.txt> [<window.bmp>]\n", stderr);
        return 2;
    }
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string commandLine = std::string("\"") + argv[1] + "\"";
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi)) {
        std::fprintf(stderr, "Cannot start %s\n", argv[1]);
        return 1;
    }
    const tk::KernelHandle process(pi.hProcess), thread(pi.hThread);
    Found found{pi.dwProcessId, nullptr};
    const bool shown = e2e::PollUntil(
        [&] {
            EnumWindows(FindMain, reinterpret_cast<LPARAM>(&found));
            return found.window != nullptr;
        },
        kPatienceMs, kPollMs);
    int result = 1;
    if (!shown) {
        std::fputs("The main window did not appear\n", stderr);
    } else if (std::FILE* out = std::fopen(argv[2], "w")) {
        Sleep(kSettleMs);
        RECT client{};
        GetClientRect(found.window, &client);
        std::fprintf(out, "client %ld %ld\n", client.right, client.bottom);
        Listing listing{found.window, out};
        EnumChildWindows(found.window, WriteChild, reinterpret_cast<LPARAM>(&listing));
        std::fclose(out);
        if (argc == 4) SavePicture(found.window, argv[3]);
        result = 0;
    }
    if (found.window) PostMessageA(found.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, kPatienceMs) == WAIT_TIMEOUT) TerminateProcess(pi.hProcess, 1);
    return result;
}
