// The fault suite's hands inside Wine (scripts/faults.sh drives it):
//   faultprobe close <count> [action...]  wait for <count> main windows, give
//                                         the i-th the i-th action, close them
//                                         all at once and print "posted"
//   faultprobe error-box                  wait for the program's error box,
//                                         print its text and press OK
//   faultprobe read <unix path>           print the eight settings as the
//                                         profile functions read them
//   faultprobe folder                     print the settings folder
// Exit code 0 on success, 2 when what it waits for does not come.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e/Polling.h"

namespace {

constexpr DWORD kPatienceMs = 20000;
constexpr DWORD kPollMs = 20;
constexpr char kMainCaption[] = "Kalvex Now!";
constexpr char kErrorText[] = "Unable to write to";
constexpr char kDialogClass[] = "#32770";
// Where the action list sits in the main window's client area.
constexpr POINT kActionComboBoxAt = {272, 221};
constexpr int kTextSize = 1024;
constexpr int kExitNotFound = 2;

const char* const kKeys[] = {"RadioButtonDate", "RadioButtonCounter",  "DaysComboBox",
                             "ComboBoxCPULoad", "ComboBoxCPULoadTime", "DateTimePickerReverseTime",
                             "ActionComboBox",  "SkinComboBox",        "NetQuietLevel",
                             "NetQuietSeconds", "NetQuietAdapter"};

std::string WindowText(HWND window) {
    char text[kTextSize] = {};
    GetWindowTextA(window, text, kTextSize);
    return text;
}

std::string ClassOf(HWND window) {
    char name[kTextSize] = {};
    GetClassNameA(window, name, kTextSize);
    return name;
}

std::vector<HWND> MainWindows() {
    std::vector<HWND> found;
    EnumWindows(
        [](HWND window, LPARAM list) -> BOOL {
            if (IsWindowVisible(window) && WindowText(window).rfind(kMainCaption, 0) == 0)
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

template <typename Condition>
bool WaitFor(Condition condition) {
    return e2e::PollUntil(condition, kPatienceMs, kPollMs);
}

HWND ActionComboBox(HWND main) {
    struct Search {
        HWND main;
        HWND found;
    } search{main, nullptr};
    EnumChildWindows(
        main,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            RECT r;
            GetWindowRect(child, &r);
            POINT topLeft = {r.left, r.top};
            ScreenToClient(s->main, &topLeft);
            if (ClassOf(child) == "ComboBox" && topLeft.x == kActionComboBoxAt.x &&
                topLeft.y == kActionComboBoxAt.y) {
                s->found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int Close(int count, const std::vector<int>& actions) {
    std::vector<HWND> windows;
    if (!WaitFor([&] { return static_cast<int>((windows = MainWindows()).size()) >= count; })) {
        std::printf("no %d main windows\n", count);
        return kExitNotFound;
    }
    for (std::size_t i = 0; i < actions.size() && i < windows.size(); ++i) {
        // Set from outside, as from code: the program saves it without being told.
        if (HWND list = ActionComboBox(windows[i]))
            SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(actions[i]), 0);
        else
            std::printf("no action list\n");
    }
    for (HWND window : windows) PostMessageA(window, WM_CLOSE, 0, 0);
    std::printf("posted\n");
    std::fflush(stdout);
    return 0;
}

HWND ErrorBox(std::string& text) {
    struct Search {
        HWND box;
        std::string text;
    } search{nullptr, ""};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            if (!IsWindowVisible(window) || ClassOf(window) != kDialogClass) return TRUE;
            auto* s = reinterpret_cast<Search*>(data);
            EnumChildWindows(
                window,
                [](HWND child, LPARAM inner) -> BOOL {
                    const std::string text = WindowText(child);
                    if (text.find(kErrorText) == std::string::npos) return TRUE;
                    reinterpret_cast<Search*>(inner)->text = text;
                    return FALSE;
                },
                data);
            if (s->text.empty()) return TRUE;
            s->box = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    text = search.text;
    return search.box;
}

int DismissErrorBox() {
    std::string text;
    HWND box = nullptr;
    if (!WaitFor([&] { return (box = ErrorBox(text)) != nullptr; })) {
        std::printf("no error box\n");
        return kExitNotFound;
    }
    std::printf("%s\n", text.c_str());
    std::fflush(stdout);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return 0;
}

std::string WindowsPath(std::string unixPath) {
    for (char& c : unixPath)
        if (c == '/') c = '\\';
    return "Z:" + unixPath;
}

int Read(const std::string& unixPath) {
    const std::string file = WindowsPath(unixPath);
    for (const char* key : kKeys) {
        char value[kTextSize] = {};
        GetPrivateProfileStringA("OPTIONS", key, "<missing>", value, kTextSize, file.c_str());
        std::printf("%s=%s\n", key, value);
    }
    return 0;
}

int PrintSettingsFolder() {
    char appData[MAX_PATH + 1] = {};
    if (!SHGetSpecialFolderPathA(nullptr, appData, CSIDL_APPDATA, TRUE)) return kExitNotFound;
    std::printf("%s\\%s\n", appData, kMainCaption);
    return 0;
}

int Usage() {
    std::fprintf(stderr, "usage: faultprobe close <count> [action...] | error-box | read <file> | folder\n");
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return Usage();
    if (args[0] == "close" && args.size() >= 2) {
        std::vector<int> actions;
        for (std::size_t i = 2; i < args.size(); ++i) actions.push_back(std::atoi(args[i].c_str()));
        return Close(std::atoi(args[1].c_str()), actions);
    }
    if (args[0] == "error-box") return DismissErrorBox();
    if (args[0] == "read" && args.size() == 2) return Read(args[1]);
    if (args[0] == "folder") return PrintSettingsFolder();
    return Usage();
}
