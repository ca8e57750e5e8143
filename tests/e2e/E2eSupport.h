#pragma once
// Driving the built program from outside, as a user would: starting it,
// waiting for its windows, pressing keys and buttons.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "toolkit/Handles.h"

namespace e2e {

inline constexpr DWORD kPatienceMs = 20000;
inline constexpr DWORD kPollMs = 50;

inline std::string ProgramPath() {
    // Built into the test as a host path; Wine maps the host root to Z:.
    std::string path = "Z:" KN_PROGRAM_PATH;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

inline std::string SettingsFile() {
    char appData[MAX_PATH + 1] = {};
    SHGetSpecialFolderPathA(nullptr, appData, CSIDL_APPDATA, TRUE);
    const std::string folder = std::string(appData) + "\\Kalvex Now!\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "settings.ini";
}

inline std::string FileText(const std::string& path) {
    std::string text;
    const tk::KernelHandle f(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         nullptr, OPEN_EXISTING, 0, nullptr));
    if (!f) return text;
    char buf[4096];
    DWORD n = 0;
    while (ReadFile(f.Get(), buf, sizeof buf, &n, nullptr) && n > 0) text.append(buf, n);
    return text;
}

template <typename Condition>
inline bool WaitFor(Condition condition) {
    for (DWORD waited = 0; waited < kPatienceMs; waited += kPollMs) {
        if (condition()) return true;
        Sleep(kPollMs);
    }
    return condition();
}

inline HWND VisibleWindow(const char* caption) {
    HWND w = FindWindowA(nullptr, caption);
    return w && IsWindowVisible(w) ? w : nullptr;
}

inline void PressKey(HWND window, WORD key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

inline void ClickChild(HWND dialog, const char* caption) {
    HWND button = FindWindowExA(dialog, nullptr, nullptr, caption);
    ASSERT_NE(button, nullptr) << caption;
    RECT r;
    GetClientRect(button, &r);
    const LPARAM inside = MAKELPARAM(r.right / 2, r.bottom / 2);
    PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    PostMessageA(button, WM_LBUTTONUP, 0, inside);
}

// Ends the program if a test leaves it running.
struct RunningProgram {
    PROCESS_INFORMATION pi{};
    ~RunningProgram() {
        const tk::KernelHandle process(pi.hProcess), thread(pi.hThread);
        if (process && WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(pi.hProcess, 1);
    }
    bool Running() const { return WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT; }
};

} // namespace e2e
