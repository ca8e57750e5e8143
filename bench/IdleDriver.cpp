// Puts the running program into the situations the idle benchmark measures,
// the way a user would: Esc hides the window in the notification area, a
// click on a trigger's box arms that trigger.
//   idle_driver.exe shown    waits until the main window is up
//   idle_driver.exe hide     presses Esc and waits until the window is hidden
//   idle_driver.exe arm-cpu  ticks the CPU-load box
//   idle_driver.exe arm-net  ticks the network-quiet box
//   idle_driver.exe state    prints "shown=0|1 cpu=0|1"
// Exits 1 with a message when the window does not do what was asked.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "e2e/Polling.h"

namespace {

constexpr DWORD kPatienceMs = 20000;
constexpr DWORD kPollMs = 50;
constexpr char kMainCaption[] = "Kalvex Now!";
constexpr char kCpuBoxEnding[] = " by CPU load";
constexpr char kNetBoxEnding[] = " when the network is quiet";

std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool EndsWith(const std::string& text, const char* ending) {
    const std::size_t n = std::strlen(ending);
    return text.size() >= n && text.compare(text.size() - n, n, ending) == 0;
}

// The main window: the top-level window whose caption begins with the
// program's name (the platform mark follows it).
HWND MainWindow() {
    struct Search {
        HWND found = nullptr;
    } search;
    EnumWindows(
        [](HWND w, LPARAM data) -> BOOL {
            if (TextOf(w).rfind(kMainCaption, 0) != 0) return TRUE;
            reinterpret_cast<Search*>(data)->found = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The trigger box whose caption ends so (the action's name begins it).
HWND TriggerBox(HWND main, const char* ending) {
    struct Search {
        const char* ending;
        HWND found = nullptr;
    } search{ending};
    EnumChildWindows(
        main,
        [](HWND child, LPARAM data) -> BOOL {
            auto* search = reinterpret_cast<Search*>(data);
            if (!EndsWith(TextOf(child), search->ending)) return TRUE;
            search->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

template <typename Condition>
bool WaitFor(Condition condition) {
    return e2e::PollUntil(condition, kPatienceMs, kPollMs);
}

int Fail(const char* why) {
    std::fprintf(stderr, "idle_driver: %s\n", why);
    return EXIT_FAILURE;
}

bool Armed(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

int Arm(HWND box) {
    if (Armed(box)) return EXIT_SUCCESS;
    RECT r;
    GetClientRect(box, &r);
    const LPARAM inside = MAKELPARAM(r.right / 2, r.bottom / 2);
    PostMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    PostMessageA(box, WM_LBUTTONUP, 0, inside);
    return WaitFor([&] { return Armed(box); }) ? EXIT_SUCCESS : Fail("the trigger's box did not tick");
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    HWND main = nullptr;
    if (!WaitFor([&] { return (main = MainWindow()) != nullptr; })) return Fail("no main window");

    if (command == "shown") {
        return WaitFor([&] { return IsWindowVisible(main) != FALSE; }) ? EXIT_SUCCESS
                                                                       : Fail("window not shown");
    }
    if (command == "hide") {
        PostMessageA(main, WM_KEYDOWN, VK_ESCAPE, 1);
        PostMessageA(main, WM_KEYUP, VK_ESCAPE, 0xC0000001);
        return WaitFor([&] { return !IsWindowVisible(main); }) ? EXIT_SUCCESS
                                                               : Fail("Esc did not hide the window");
    }
    HWND box = TriggerBox(main, kCpuBoxEnding);
    if (!box) return Fail("no CPU-load box");
    if (command == "arm-cpu") return Arm(box);
    if (command == "arm-net") {
        HWND netBox = TriggerBox(main, kNetBoxEnding);
        return netBox ? Arm(netBox) : Fail("no network-quiet box");
    }
    if (command == "state") {
        std::printf("shown=%d cpu=%d\n", IsWindowVisible(main) ? 1 : 0, Armed(box) ? 1 : 0);
        return EXIT_SUCCESS;
    }
    return Fail("usage: idle_driver shown|hide|arm-cpu|arm-net|state");
}
