#pragma once
// Driving the built program from outside, as a user would: start it, find
// its windows, press keys and click buttons, and read what it drew.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "Polling.h"
#include "toolkit/Handles.h"
#include "toolkit/WideText.h"

namespace e2e {

inline constexpr DWORD kPatienceMs = 20000;
inline constexpr DWORD kPollMs = 50;

// A program of the build, given as a host path; Wine maps the host root to Z:.
inline std::string WindowsPath(std::string hostPath) {
    std::string path = "Z:" + hostPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

inline std::string ProgramPath() { return WindowsPath(KN_PROGRAM_PATH); }

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
bool WaitFor(Condition condition, DWORD patienceMs = kPatienceMs) {
    return PollUntil(condition, patienceMs, kPollMs);
}

inline HWND VisibleWindow(const char* caption) {
    HWND w = FindWindowA(nullptr, caption);
    return w && IsWindowVisible(w) ? w : nullptr;
}

inline void PressKey(HWND window, WORD key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

// A key typed on the keyboard: it goes to whichever window has the focus.
inline bool TypeKey(WORD key) {
    INPUT input[2]{};
    for (INPUT& i : input) {
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = key;
    }
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return SendInput(2, input, sizeof(INPUT)) == 2;
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

// A program started by a test; ended if the test leaves it running.
struct RunningProgram {
    PROCESS_INFORMATION pi{};
    RunningProgram() = default;
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;
    ~RunningProgram() {
        const tk::KernelHandle process(pi.hProcess), thread(pi.hThread);
        if (process && WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(pi.hProcess, 1);
    }
    bool Running() const { return WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT; }
};

// Starts `path` with `arguments`.
inline bool Start(RunningProgram& program, const std::string& path, const std::string& arguments) {
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    std::string commandLine = "\"" + path + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    std::wstring wide = tk::Widen(commandLine); // the path may hold any letter (UTF-8)
    return CreateProcessW(nullptr, wide.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                          &program.pi) != FALSE;
}

// Starts a command line given whole in UTF-16, for names the ANSI code page lacks.
inline bool StartWide(RunningProgram& program, std::wstring commandLine) {
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    return CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                          &program.pi) != FALSE;
}

// While it lives, programs start with Wine's font trace on: every text they
// draw then appears in the test's log (see DrawnTexts).
class FontTrace {
public:
    FontTrace() : hadValue_(GetEnvironmentVariableA("WINEDEBUG", previous_, sizeof previous_) > 0) {
        SetEnvironmentVariableA("WINEDEBUG", "trace+font");
    }
    ~FontTrace() { SetEnvironmentVariableA("WINEDEBUG", hadValue_ ? previous_ : nullptr); }
    FontTrace(const FontTrace&) = delete;
    FontTrace& operator=(const FontTrace&) = delete;

private:
    char previous_[256] = {};
    bool hadValue_;
};

inline bool StartTraced(RunningProgram& program, const std::string& path, const std::string& arguments) {
    const FontTrace trace;
    return Start(program, path, arguments);
}

// The texts that traced programs drew, in order, read from the log that
// Wine's debug channels write to (the test's own standard error).
class DrawnTexts {
public:
    DrawnTexts()
        : file_(CreateFileA(WindowsPath(KN_WINE_LOG_PATH).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr)) {
        // Only what is drawn from now on counts.
        if (Ok()) SetFilePointer(file_.Get(), 0, nullptr, FILE_END);
    }
    DrawnTexts(const DrawnTexts&) = delete;
    DrawnTexts& operator=(const DrawnTexts&) = delete;

    bool Ok() const { return static_cast<bool>(file_); }

    // True once `text` has been drawn since the last Forget.
    bool Seen(const std::string& text) {
        ReadNew();
        for (std::size_t i = first_; i < texts_.size(); ++i)
            if (texts_[i] == text) return true;
        return false;
    }
    bool WaitFor(const std::string& text, DWORD patienceMs = kPatienceMs) {
        return e2e::WaitFor([&] { return Seen(text); }, patienceMs);
    }
    // Forgets what has been drawn so far.
    void Forget() {
        ReadNew();
        first_ = texts_.size();
    }
    // Everything drawn since the last Forget, in order.
    std::vector<std::string> Drawn() {
        ReadNew();
        return {texts_.begin() + static_cast<std::ptrdiff_t>(first_), texts_.end()};
    }
    // The last texts drawn, for a failure's message.
    std::string Recent(std::size_t count = 40) {
        ReadNew();
        std::string list;
        for (std::size_t i = texts_.size() > count ? texts_.size() - count : 0; i < texts_.size(); ++i)
            list += "[" + texts_[i] + "] ";
        return list;
    }

private:
    void ReadNew() {
        if (!Ok()) return;
        char buffer[1 << 16];
        DWORD n = 0;
        while (ReadFile(file_.Get(), buffer, sizeof buffer, &n, nullptr) && n > 0) pending_.append(buffer, n);
        std::size_t start = 0;
        for (std::size_t end; (end = pending_.find('\n', start)) != std::string::npos; start = end + 1)
            TakeLine(std::string_view(pending_).substr(start, end - start));
        pending_.erase(0, start);
    }
    // A line "...:trace:font:NtGdiExtTextOutW ..., L"text", ...".
    void TakeLine(std::string_view line) {
        if (line.find("ExtTextOutW") == std::string_view::npos) return;
        const std::size_t open = line.find("L\"");
        if (open == std::string_view::npos) return;
        const std::size_t close = line.find('"', open + 2);
        if (close == std::string_view::npos) return;
        texts_.emplace_back(line.substr(open + 2, close - open - 2));
    }

    tk::KernelHandle file_;
    std::string pending_;
    std::vector<std::string> texts_;
    std::size_t first_ = 0;
};

} // namespace e2e
